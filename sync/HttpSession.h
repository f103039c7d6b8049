#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include <QUrl>

#include "sync/HttpReply.h"

class QNetworkAccessManager;

// Requests to one server, one at a time, each waited for: the connection is
// kept alive between them, since a CardDAV server takes one request per card
// and its own pace sets the speed of a sync. TLS uses the system's trusted
// certificates and refuses any other, naming the server. With a user name,
// every request carries Basic credentials from the start, saving the
// round trip of a challenge.
class CHttpSession
{
public:
    using Headers = std::vector<std::pair<QByteArray, QByteArray>>;

    CHttpSession();
    ~CHttpSession();
    CHttpSession(const CHttpSession&) = delete;
    CHttpSession& operator=(const CHttpSession&) = delete;

    void SetCredentials(const std::string& strUser, const std::string& strPassword);
    // Sends the request and waits for the whole reply. Reading requests
    // (PROPFIND, REPORT, GET) follow up to five redirects; writes never do.
    CHttpReply Send(const QByteArray& verb, const QUrl& url, const std::string& strBody, const Headers& headers);

    // Whether Basic credentials may go to this URL: over https, or plain
    // http only to this machine.
    static bool MaySendPassword(const QUrl& url);

private:
    CHttpReply SendOnce(const QByteArray& verb, const QUrl& url, const std::string& strBody, const Headers& headers);

    std::unique_ptr<QNetworkAccessManager> m_pNetwork;
    QByteArray m_authorization;
};
