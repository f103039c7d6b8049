#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// What a file held when the program last read or wrote it: whether it
// existed, and the size and a checksum (CRC-32) of its bytes. Two
// fingerprints differ when the bytes differ, whatever the file's times say:
// a file rewritten with the same bytes holds nobody's new work, and a
// changed file can keep its old modification time (a change within the
// clock's resolution, or a sync tool that restores times). The checksum is
// not a defence against anyone forging a file; it tells whether another
// program changed it, and is cheap enough to take on every load and save of
// a large directory.
class CFileFingerprint
{
public:
    // No file at all.
    CFileFingerprint() = default;
    static CFileFingerprint OfBytes(const std::string& bytes);
    // A file of nSize bytes whose checksum is nChecksum.
    static CFileFingerprint OfChecksum(size_t nSize, uint32_t nChecksum);
    // A file that exists but whose bytes could not be read.
    static CFileFingerprint Unreadable();

    // The checksum nChecksum of some bytes carried on over nLength more
    // (Checksum(0, nullptr, 0) starts one).
    static uint32_t Checksum(uint32_t nChecksum, const char* pBytes, size_t nLength);

    bool IsMissing() const { return m_state == EState::kMissing; }

    friend bool operator==(const CFileFingerprint& a, const CFileFingerprint& b)
    {
        return a.m_state == b.m_state && a.m_nSize == b.m_nSize && a.m_nChecksum == b.m_nChecksum;
    }
    friend bool operator!=(const CFileFingerprint& a, const CFileFingerprint& b) { return !(a == b); }

private:
    enum class EState
    {
        kMissing,
        kUnreadable,
        kRead,
    };

    EState m_state = EState::kMissing;
    size_t m_nSize = 0;
    uint32_t m_nChecksum = 0;
};
