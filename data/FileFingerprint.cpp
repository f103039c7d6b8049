#include "data/FileFingerprint.h"

#include <algorithm>

#include <zlib.h>

CFileFingerprint CFileFingerprint::OfBytes(const std::string& bytes)
{
    return OfChecksum(bytes.size(), Checksum(Checksum(0, nullptr, 0), bytes.data(), bytes.size()));
}

CFileFingerprint CFileFingerprint::OfChecksum(size_t nSize, uint32_t nChecksum)
{
    CFileFingerprint fingerprint;
    fingerprint.m_state = EState::kRead;
    fingerprint.m_nSize = nSize;
    fingerprint.m_nChecksum = nChecksum;
    return fingerprint;
}

CFileFingerprint CFileFingerprint::Unreadable()
{
    CFileFingerprint fingerprint;
    fingerprint.m_state = EState::kUnreadable;
    return fingerprint;
}

uint32_t CFileFingerprint::Checksum(uint32_t nChecksum, const char* pBytes, size_t nLength)
{
    uLong nCrc = nChecksum;
    if (!pBytes)
        return static_cast<uint32_t>(crc32(0L, Z_NULL, 0));
    // zlib takes at most a uInt's worth of bytes at a time.
    while (nLength > 0) {
        const uInt nPiece = static_cast<uInt>(std::min<size_t>(nLength, 1u << 30));
        nCrc = crc32(nCrc, reinterpret_cast<const Bytef*>(pBytes), nPiece);
        pBytes += nPiece;
        nLength -= nPiece;
    }
    return static_cast<uint32_t>(nCrc);
}
