#include "sync/ServerCertificate.h"

#include <QSslSocket>

#include "sync/SyncText.h"

bool CServerCertificate::Fetch(const QUrl& url, int nSeconds, QSslCertificate& certificate, std::string& strError)
{
    QSslSocket socket;
    // Only to read the certificate: nothing is sent over this connection.
    socket.setPeerVerifyMode(QSslSocket::QueryPeer);
    socket.connectToHostEncrypted(url.host(), static_cast<quint16>(url.port(443)));
    if (!socket.waitForEncrypted(nSeconds * 1000) || socket.peerCertificate().isNull()) {
        strError = CSyncText::Tr("%1: no certificate could be had from the server: %2",
            {url.host().toStdString(), socket.errorString().toStdString()});
        return false;
    }
    certificate = socket.peerCertificate();
    socket.abort();
    return true;
}

std::string CServerCertificate::Sha256(const QSslCertificate& certificate)
{
    return certificate.digest(QCryptographicHash::Sha256).toHex(':').toUpper().toStdString();
}

std::string CServerCertificate::Digits(const std::string& strSha256)
{
    std::string digits;
    for (const char c : strSha256)
        if (c != ':')
            digits += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return digits;
}
