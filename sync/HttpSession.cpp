#include "sync/HttpSession.h"

#include <QEventLoop>
#include <QHostAddress>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSslError>

namespace {

constexpr int kMaxRedirects = 5;
// A request that gets no byte for this long counts as a lost connection.
constexpr int kTransferTimeoutMs = 60000;

bool IsReading(const QByteArray& verb)
{
    return verb == "PROPFIND" || verb == "REPORT" || verb == "GET";
}

std::string ServerName(const QUrl& url)
{
    return url.host().toStdString();
}

}   // namespace

CHttpSession::CHttpSession()
    : m_pNetwork(std::make_unique<QNetworkAccessManager>())
{
    m_pNetwork->setRedirectPolicy(QNetworkRequest::ManualRedirectPolicy);
}

CHttpSession::~CHttpSession() = default;

void CHttpSession::SetCredentials(const std::string& strUser, const std::string& strPassword)
{
    if (strUser.empty()) {
        m_authorization.clear();
        return;
    }
    const QByteArray pair = QByteArray::fromStdString(strUser) + ':' + QByteArray::fromStdString(strPassword);
    m_authorization = "Basic " + pair.toBase64();
}

bool CHttpSession::MaySendPassword(const QUrl& url)
{
    if (url.scheme() == QLatin1String("https"))
        return true;
    const QString host = url.host();
    if (host == QLatin1String("localhost"))
        return true;
    const QHostAddress address(host);
    return address == QHostAddress(QHostAddress::LocalHost) || address == QHostAddress(QHostAddress::LocalHostIPv6);
}

CHttpReply CHttpSession::Send(
    const QByteArray& verb, const QUrl& url, const std::string& strBody, const Headers& headers)
{
    QUrl target = url;
    for (int nHop = 0;; ++nHop) {
        CHttpReply reply = SendOnce(verb, target, strBody, headers);
        const bool bRedirect = reply.nStatus == 301 || reply.nStatus == 302 || reply.nStatus == 303
            || reply.nStatus == 307 || reply.nStatus == 308;
        if (!bRedirect || !IsReading(verb) || reply.strLocation.empty() || nHop == kMaxRedirects)
            return reply;
        const QUrl next = target.resolved(QUrl(QString::fromStdString(reply.strLocation)));
        // Credentials never follow a redirect to another server or down to
        // plain http.
        if (next.host() != target.host() || (target.scheme() == "https" && next.scheme() != "https"))
            return reply;
        target = next;
    }
}

CHttpReply CHttpSession::SendOnce(
    const QByteArray& verb, const QUrl& url, const std::string& strBody, const Headers& headers)
{
    QNetworkRequest request(url);
    request.setTransferTimeout(kTransferTimeoutMs);
    if (!m_authorization.isEmpty())
        request.setRawHeader("Authorization", m_authorization);
    for (const auto& [name, value] : headers)
        request.setRawHeader(name, value);
    if (!strBody.empty() && !request.hasRawHeader("Content-Type"))
        request.setRawHeader("Content-Type", "application/xml; charset=utf-8");

    QNetworkReply* pReply = m_pNetwork->sendCustomRequest(request, verb, QByteArray::fromStdString(strBody));
    std::string strSslError;
    QObject::connect(pReply, &QNetworkReply::sslErrors, pReply, [&](const QList<QSslError>& errors) {
        if (!errors.isEmpty())
            strSslError = errors.first().errorString().toStdString();
    });
    QEventLoop loop;
    QObject::connect(pReply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    if (!pReply->isFinished())
        loop.exec();

    CHttpReply reply;
    reply.nStatus = pReply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    reply.strBody = pReply->readAll().toStdString();
    reply.strEtag = pReply->rawHeader("ETag").toStdString();
    reply.strLocation = pReply->rawHeader("Location").toStdString();
    if (reply.nStatus == 0) {
        if (!strSslError.empty())
            reply.strError = "the certificate of " + ServerName(url) + " is not trusted (" + strSslError + ")";
        else
            reply.strError = ServerName(url) + ": " + pReply->errorString().toStdString();
    }
    delete pReply;
    return reply;
}
