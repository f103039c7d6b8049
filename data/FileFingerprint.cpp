#include "data/FileFingerprint.h"

#include <utility>

#include <QByteArrayView>
#include <QCryptographicHash>

CFileFingerprint CFileFingerprint::OfBytes(const std::string& bytes)
{
    const QByteArray hash = QCryptographicHash::hash(
        QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())), QCryptographicHash::Sha256);
    return OfDigest(bytes.size(), hash.toStdString());
}

CFileFingerprint CFileFingerprint::OfDigest(size_t nSize, std::string sha256)
{
    CFileFingerprint fingerprint;
    fingerprint.m_state = EState::kRead;
    fingerprint.m_nSize = nSize;
    fingerprint.m_hash = std::move(sha256);
    return fingerprint;
}

CFileFingerprint CFileFingerprint::Unreadable()
{
    CFileFingerprint fingerprint;
    fingerprint.m_state = EState::kUnreadable;
    return fingerprint;
}
