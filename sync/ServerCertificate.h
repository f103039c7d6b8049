#pragma once

#include <string>

#include <QSslCertificate>
#include <QUrl>

// The certificate a server presents, fetched without trusting it, so that
// the user can trust it by its fingerprint (--accept-certificate).
class CServerCertificate
{
public:
    // Connects to the URL's host and port and takes the certificate from the
    // TLS handshake, within nSeconds. FALSE with the reason when none came.
    static bool Fetch(const QUrl& url, int nSeconds, QSslCertificate& certificate, std::string& strError);
    // "AB:CD:...", as the outcome and the message show it.
    static std::string Sha256(const QSslCertificate& certificate);
    // The fingerprint as hex digits alone, upper case.
    static std::string Digits(const std::string& strSha256);
};
