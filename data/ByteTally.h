#pragma once

#include <cstddef>
#include <cstdint>

#include "data/FileFingerprint.h"

// Counts and checksums bytes as they pass, for the fingerprint of what was
// read or written.
class CByteTally
{
public:
    void Add(const char* pBytes, size_t nLength)
    {
        m_nChecksum = CFileFingerprint::Checksum(m_nChecksum, pBytes, nLength);
        m_nSize += nLength;
    }
    CFileFingerprint Fingerprint() const { return CFileFingerprint::OfChecksum(m_nSize, m_nChecksum); }

private:
    uint32_t m_nChecksum = CFileFingerprint::Checksum(0, nullptr, 0);
    size_t m_nSize = 0;
};
