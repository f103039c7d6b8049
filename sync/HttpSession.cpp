#include "sync/HttpSession.h"

#include <QCryptographicHash>
#include <QEventLoop>
#include <QHostAddress>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSslConfiguration>
#include <QSslError>
#include <QTimer>

#ifndef DIALSTACK_VERSION
#define DIALSTACK_VERSION "unknown"
#endif

namespace {

constexpr int kMaxRedirects = 5;

bool IsReading(const QByteArray& verb)
{
    return verb == "PROPFIND" || verb == "REPORT" || verb == "GET";
}

bool IsRedirect(int nStatus)
{
    return nStatus == 301 || nStatus == 302 || nStatus == 303 || nStatus == 307 || nStatus == 308;
}

std::string ServerName(const QUrl& url)
{
    return url.host().toStdString();
}

std::string DisplayUrl(const QUrl& url)
{
    return url.toDisplayString(QUrl::RemoveUserInfo).toStdString();
}

CSyncOutcome::Certificate Described(const QSslCertificate& certificate)
{
    const QByteArray digest = certificate.digest(QCryptographicHash::Sha256).toHex(':').toUpper();
    return {certificate.subjectDisplayName().toStdString(), certificate.issuerDisplayName().toStdString(),
        digest.toStdString(), certificate.toPem().toStdString()};
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

void CHttpSession::SetOrigin(const QUrl& url)
{
    m_origin = url;
}

void CHttpSession::SetTrustedCertificates(const QList<QSslCertificate>& certificates)
{
    m_trusted = certificates;
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

bool CHttpSession::IsSameOrigin(const QUrl& a, const QUrl& b)
{
    const int nDefaultA = a.scheme() == QLatin1String("https") ? 443 : 80;
    const int nDefaultB = b.scheme() == QLatin1String("https") ? 443 : 80;
    return a.scheme() == b.scheme() && a.host().compare(b.host(), Qt::CaseInsensitive) == 0
        && a.port(nDefaultA) == b.port(nDefaultB);
}

void CHttpSession::Stop(const std::string& strReason)
{
    m_bStopped = true;
    m_strStopReason = strReason;
    if (m_pCurrent != nullptr)
        m_pCurrent->abort();
}

CHttpReply CHttpSession::Send(
    const QByteArray& verb, const QUrl& url, const std::string& strBody, const Headers& headers)
{
    if (m_origin.isEmpty())
        m_origin = url;
    QUrl target = url;
    for (int nHop = 0;; ++nHop) {
        CHttpReply reply = SendOnce(verb, target, strBody, headers);
        if (!IsRedirect(reply.nStatus) || !IsReading(verb) || reply.strLocation.empty() || nHop == kMaxRedirects)
            return reply;
        const QUrl next = target.resolved(QUrl(QString::fromStdString(reply.strLocation)));
        // A redirect elsewhere (another host, port or scheme) is not
        // followed: what the user configured is the one server spoken to.
        if (!IsSameOrigin(next, target)) {
            reply.failure.kind = CSyncOutcome::EKind::kOtherServer;
            reply.failure.nHttpStatus = reply.nStatus;
            reply.failure.strHost = ServerName(next);
            reply.failure.strUrl = DisplayUrl(next);
            reply.nStatus = 0;
            return reply;
        }
        target = next;
    }
}

// The request with the program's headers: its name, the password for the
// server it was given only, the body's type, and the certificates the user
// trusted.
QNetworkRequest CHttpSession::Request(const QUrl& url, const std::string& strBody, const Headers& headers) const
{
    QNetworkRequest request(url);
    request.setRawHeader("User-Agent", "dialstack-sync/" DIALSTACK_VERSION);
    if (!m_authorization.isEmpty() && IsSameOrigin(url, m_origin) && MaySendPassword(url))
        request.setRawHeader("Authorization", m_authorization);
    for (const auto& [name, value] : headers)
        request.setRawHeader(name, value);
    if (!strBody.empty() && !request.hasRawHeader("Content-Type"))
        request.setRawHeader("Content-Type", "application/xml; charset=utf-8");
    if (!m_trusted.isEmpty() && url.scheme() == QLatin1String("https")) {
        QSslConfiguration ssl = QSslConfiguration::defaultConfiguration();
        ssl.addCaCertificates(m_trusted);
        request.setSslConfiguration(ssl);
    }
    return request;
}

CHttpReply CHttpSession::SendOnce(
    const QByteArray& verb, const QUrl& url, const std::string& strBody, const Headers& headers)
{
    if (m_bStopped) {
        CHttpReply reply;
        reply.failure.kind = CSyncOutcome::EKind::kStopped;
        reply.failure.strDetail = m_strStopReason;
        return reply;
    }
    const QNetworkRequest request = Request(url, strBody, headers);
    QNetworkReply* pReply = m_pNetwork->sendCustomRequest(request, verb, QByteArray::fromStdString(strBody));
    m_pCurrent = pReply;
    QSslCertificate untrusted;
    WatchCertificate(pReply, untrusted);
    const bool bLate = !AwaitReply(pReply);
    m_pCurrent = nullptr;
    CHttpReply reply = ReplyFrom(url, *pReply, bLate, untrusted);
    delete pReply;
    return reply;
}

// Keeps in untrusted the certificate the server presents when it is not
// trusted, for the failure to show; untrusted lives as long as pReply.
void CHttpSession::WatchCertificate(QNetworkReply* pReply, QSslCertificate& untrusted) const
{
    QObject::connect(
        pReply, &QNetworkReply::sslErrors, pReply, [this, pReply, &untrusted](const QList<QSslError>& errors) {
            untrusted = pReply->sslConfiguration().peerCertificate();
            for (const QSslError& error : errors)
                if (untrusted.isNull())
                    untrusted = error.certificate();
            // A certificate the user trusted as the server's own (by its
            // fingerprint, or as a file) is the server's, whatever name it bears.
            if (!untrusted.isNull() && m_trusted.contains(untrusted)) {
                pReply->ignoreSslErrors();
                untrusted = QSslCertificate();
            }
        });
}

// Waits for the reply to finish; FALSE when the deadline cut it short. The
// deadline covers the whole request: a server that trickles its reply a
// byte at a time is as stuck as one that sends nothing.
bool CHttpSession::AwaitReply(QNetworkReply* pReply)
{
    bool bLate = false;
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, pReply, [&bLate, pReply] {
        bLate = true;
        pReply->abort();
    });
    deadline.start(m_nDeadlineSeconds * 1000);
    QEventLoop loop;
    QObject::connect(pReply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    if (!pReply->isFinished())
        loop.exec();
    deadline.stop();
    return !bLate;
}

// The finished request as the sync sees it: the server's answer, or what
// getting none comes to.
CHttpReply CHttpSession::ReplyFrom(
    const QUrl& url, QNetworkReply& reply, bool bLate, const QSslCertificate& untrusted) const
{
    CHttpReply result;
    result.nStatus = reply.attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (bLate || m_bStopped)
        result.nStatus = 0;
    if (result.nStatus != 0) {
        result.strBody = reply.readAll().toStdString();
        result.strEtag = reply.rawHeader("ETag").toStdString();
        result.strLocation = reply.rawHeader("Location").toStdString();
    } else {
        result.failure = NoAnswer(url, reply, bLate, untrusted);
    }
    return result;
}

CSyncOutcome CHttpSession::NoAnswer(
    const QUrl& url, QNetworkReply& reply, bool bLate, const QSslCertificate& untrusted) const
{
    CSyncOutcome failure;
    failure.strHost = ServerName(url);
    failure.strUrl = DisplayUrl(url);
    if (m_bStopped) {
        failure.kind = CSyncOutcome::EKind::kStopped;
        failure.strDetail = m_strStopReason;
    } else if (bLate) {
        failure.kind = CSyncOutcome::EKind::kNetwork;
        failure.nTimeoutSeconds = m_nDeadlineSeconds;
    } else {
        failure.kind = untrusted.isNull() ? CSyncOutcome::EKind::kNetwork : CSyncOutcome::EKind::kCertificateUntrusted;
        if (!untrusted.isNull())
            failure.certificate = Described(untrusted);
        failure.strDetail = reply.errorString().toStdString();
    }
    return failure;
}
