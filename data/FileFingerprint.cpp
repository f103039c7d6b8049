#include "data/FileFingerprint.h"

#include <QByteArrayView>
#include <QCryptographicHash>

CFileFingerprint CFileFingerprint::OfBytes(const std::string& bytes)
{
    CFileFingerprint fingerprint;
    fingerprint.m_state = EState::kRead;
    fingerprint.m_nSize = bytes.size();
    const QByteArray hash = QCryptographicHash::hash(
        QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())), QCryptographicHash::Sha256);
    fingerprint.m_hash = hash.toStdString();
    return fingerprint;
}

CFileFingerprint CFileFingerprint::Unreadable()
{
    CFileFingerprint fingerprint;
    fingerprint.m_state = EState::kUnreadable;
    return fingerprint;
}
