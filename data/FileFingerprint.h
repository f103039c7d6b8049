#pragma once

#include <cstddef>
#include <string>

// What a file held when the program last read or wrote it: whether it
// existed, and the size and a hash of its bytes. Two fingerprints differ
// when the bytes differ, whatever the file's times say: a file rewritten
// with the same bytes holds nobody's new work, and a changed file can keep
// its old modification time (a change within the clock's resolution, or a
// sync tool that restores times).
class CFileFingerprint
{
public:
    // No file at all.
    CFileFingerprint() = default;
    static CFileFingerprint OfBytes(const std::string& bytes);
    // A file of nSize bytes whose SHA-256 is sha256.
    static CFileFingerprint OfDigest(size_t nSize, std::string sha256);
    // A file that exists but whose bytes could not be read.
    static CFileFingerprint Unreadable();

    bool IsMissing() const { return m_state == EState::kMissing; }

    friend bool operator==(const CFileFingerprint& a, const CFileFingerprint& b)
    {
        return a.m_state == b.m_state && a.m_nSize == b.m_nSize && a.m_hash == b.m_hash;
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
    std::string m_hash;   // SHA-256 of the bytes
};
