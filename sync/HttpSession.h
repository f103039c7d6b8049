#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include <QList>
#include <QSslCertificate>
#include <QUrl>

#include "sync/HttpReply.h"

class QNetworkAccessManager;
class QNetworkReply;
class QNetworkRequest;

// Requests to one server, one at a time, each waited for: the connection is
// kept alive between them, since a CardDAV server takes one request per card
// and its own pace sets the speed of a sync. TLS uses the system's trusted
// certificates, and those given with SetTrustedCertificates, and refuses
// any other, naming the server. With a user name, every request to the
// session's origin carries Basic credentials from the start, saving the
// round trip of a challenge; no other origin ever gets them.
class CHttpSession
{
public:
    using Headers = std::vector<std::pair<QByteArray, QByteArray>>;

    CHttpSession();
    ~CHttpSession();
    CHttpSession(const CHttpSession&) = delete;
    CHttpSession& operator=(const CHttpSession&) = delete;

    void SetCredentials(const std::string& strUser, const std::string& strPassword);
    // The one origin (scheme, host, port) the credentials go to; without
    // one, the origin of the first request is taken.
    void SetOrigin(const QUrl& url);
    // Certificates (a CA's or the server's own) trusted beside the system's.
    void SetTrustedCertificates(const QList<QSslCertificate>& certificates);
    // The longest a request may take as a whole, reply included.
    void SetDeadline(int nSeconds) { m_nDeadlineSeconds = nSeconds; }

    // Sends the request and waits for the whole reply. Reading requests
    // (PROPFIND, REPORT, GET) follow up to five redirects within the same
    // origin; writes never do.
    CHttpReply Send(const QByteArray& verb, const QUrl& url, const std::string& strBody, const Headers& headers);

    // Ends the request under way and refuses every later one: their
    // failure is kStopped, strReason its detail (the signal's name). Safe to call from a slot run while a
    // request is waited for.
    void Stop(const std::string& strReason);
    bool IsStopped() const { return m_bStopped; }

    // Whether Basic credentials may go to this URL: over https, or plain
    // http only to this machine.
    static bool MaySendPassword(const QUrl& url);
    static bool IsSameOrigin(const QUrl& a, const QUrl& b);

private:
    QNetworkRequest Request(const QUrl& url, const std::string& strBody, const Headers& headers) const;
    // What a request that got no answer comes to.
    CSyncOutcome NoAnswer(const QUrl& url, QNetworkReply& reply, bool bLate, const QSslCertificate& untrusted) const;
    CHttpReply SendOnce(const QByteArray& verb, const QUrl& url, const std::string& strBody, const Headers& headers);
    void WatchCertificate(QNetworkReply* pReply, QSslCertificate& untrusted) const;
    bool AwaitReply(QNetworkReply* pReply);
    CHttpReply ReplyFrom(const QUrl& url, QNetworkReply& reply, bool bLate, const QSslCertificate& untrusted) const;

    std::unique_ptr<QNetworkAccessManager> m_pNetwork;
    QByteArray m_authorization;
    QUrl m_origin;
    QList<QSslCertificate> m_trusted;
    int m_nDeadlineSeconds = 60;
    QNetworkReply* m_pCurrent = nullptr;
    bool m_bStopped = false;
    std::string m_strStopReason;
};
