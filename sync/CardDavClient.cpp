#include "sync/CardDavClient.h"

#include <algorithm>
#include <iterator>

#include <QByteArray>
#include <QXmlStreamWriter>

#include "convert/PrintableText.h"
#include "sync/DavMultiStatus.h"
#include "sync/SyncText.h"

namespace {

const QString kDav = QStringLiteral("DAV:");
const QString kCardDav = QStringLiteral("urn:ietf:params:xml:ns:carddav");
// Hrefs per addressbook-multiget: large enough to need few requests, small
// enough that no reply grows without bound.
constexpr size_t kFetchBatch = 250;

// An XML request body: the root element in its namespace, and a callback
// that writes what goes inside.
template <class Fill> std::string XmlBody(const QString& rootNs, const char* pszRoot, Fill fill)
{
    QByteArray bytes;
    QXmlStreamWriter writer(&bytes);
    writer.writeStartDocument();
    writer.writeNamespace(kDav, QStringLiteral("D"));
    writer.writeNamespace(kCardDav, QStringLiteral("C"));
    writer.writeStartElement(rootNs, QLatin1String(pszRoot));
    fill(writer);
    writer.writeEndElement();
    writer.writeEndDocument();
    return bytes.toStdString();
}

void WriteProps(QXmlStreamWriter& writer, std::initializer_list<std::pair<const QString*, const char*>> props)
{
    writer.writeStartElement(kDav, QStringLiteral("prop"));
    for (const auto& [pNs, pszName] : props)
        writer.writeEmptyElement(*pNs, QLatin1String(pszName));
    writer.writeEndElement();
}

std::string PropfindBody(std::initializer_list<std::pair<const QString*, const char*>> props)
{
    return XmlBody(kDav, "propfind", [&](QXmlStreamWriter& writer) { WriteProps(writer, props); });
}

std::string StatusMessage(const CHttpReply& reply, const QUrl& url)
{
    if (reply.nStatus == 0)
        return reply.strError;
    const std::string where = url.toDisplayString(QUrl::RemoveUserInfo).toStdString();
    switch (reply.nStatus) {
    case 401: return CSyncText::Tr("%1 refused the user name or password", {url.host().toStdString()});
    case 403: return CSyncText::Tr("%1: the server does not allow this (403 Forbidden)", {where});
    case 404: return CSyncText::Tr("%1: not found on the server (404)", {where});
    default: return CSyncText::Tr("%1: the server answered %2", {where, std::to_string(reply.nStatus)});
    }
}

std::string UnreadableReply(const QUrl& url, const std::string& strWhy)
{
    return CSyncText::Tr("%1 sent a reply that could not be read: %2", {url.host().toStdString(), strWhy});
}

// A multi-status reply, read; false with the reason when the server answered
// otherwise or sent what cannot be read.
bool ReadMultiStatus(const CHttpReply& reply, const QUrl& url, CDavMultiStatus& status, std::string& strError)
{
    if (reply.nStatus != 207) {
        strError = StatusMessage(reply, url);
        return false;
    }
    if (!CDavMultiStatus::Parse(reply.strBody, status, strError)) {
        strError = UnreadableReply(url, strError);
        return false;
    }
    return true;
}

// The status of one member of a listing or multiget: 200 when it came
// with its ETag, 404 or 410 only when the server said so, 0 when the reply
// says nothing about it.
int MemberStatus(const CDavResponse& response)
{
    if (response.nStatus != 0 && response.nStatus != 200)
        return response.nStatus;
    if (!response.strEtag.empty())
        return 200;
    // Every property refused (404 for all of them: the member is not there).
    return response.nPropStatus;
}

// A fetched card's status: 200 only with the card's text; a card whose
// ETag came without its text is there but could not be read.
int CardStatus(const CDavResponse& response)
{
    if (response.bHasAddressData)
        return 200;
    const int nStatus = MemberStatus(response);
    if (nStatus != 200)
        return nStatus;
    return response.nPropStatus == 404 || response.nPropStatus == 410 ? 0 : response.nPropStatus;
}

std::string UnreadableCard(const QUrl& collection, const std::string& strHref, int nStatus)
{
    const std::string host = collection.host().toStdString();
    if (nStatus == 0)
        return CSyncText::Tr("%1 could not give the card %2 (no status); nothing was changed, run the sync again later",
            {host, Printable(strHref)});
    return CSyncText::Tr("%1 could not give the card %2 (status %3); nothing was changed, run the sync again later",
        {host, Printable(strHref), std::to_string(nStatus)});
}

// A status by which the server refuses this one card (its content, its
// size), not the whole sync.
bool IsRefusalOfTheCard(int nStatus)
{
    return nStatus == 400 || nStatus == 403 || nStatus == 409 || nStatus == 413 || nStatus == 415
        || nStatus == 422;
}

// The server's reason for refusing a card: the condition its error body
// names, else the body's text when it is short plain text.
std::string RefusalReason(const CHttpReply& reply, const std::string& condition)
{
    const std::string status = std::to_string(reply.nStatus);
    if (!condition.empty())
        return CSyncText::Tr("the server answered %1 (%2)", {status, Printable(condition)});
    const std::string text = reply.strBody.substr(0, reply.strBody.find_first_of("\r\n"));
    if (!text.empty() && text.find('<') == std::string::npos)
        return CSyncText::Tr("the server answered %1: %2", {status, Printable(text, 200)});
    return CSyncText::Tr("the server answered %1", {status});
}

QUrl Resolve(const QUrl& base, const std::string& strHref)
{
    return base.resolved(QUrl(QString::fromStdString(strHref)));
}

// A member that ends in a slash is a collection, not a card.
bool IsCollectionHref(const std::string& strHref)
{
    return !strHref.empty() && strHref.back() == '/';
}

// Discovery never leaves the server the user named: the password goes to
// it alone, and another host named in its answers may be anybody's.
bool IsOnServer(const QUrl& url, const QUrl& server, std::string& strError)
{
    if (CHttpSession::IsSameOrigin(url, server))
        return true;
    strError = CSyncText::Tr("%1 points to another server, %2, for the address books; nothing was sent there. If that"
                             " server is right, give its address book with --url",
        {server.host().toStdString(),
            url.toDisplayString(QUrl::RemoveUserInfo | QUrl::RemovePath | QUrl::RemoveQuery).toStdString()});
    return false;
}

std::string WithSlash(std::string path)
{
    if (path.empty() || path.back() != '/')
        path += '/';
    return path;
}

}   // namespace

CCardDavClient::CCardDavClient(CHttpSession& session)
    : m_session(session)
{
}

std::string CCardDavClient::CanonicalHref(const QUrl& collection, const std::string& strHref)
{
    return Resolve(collection, strHref).path(QUrl::FullyEncoded).toStdString();
}

std::string CCardDavClient::NewHref(const QUrl& collection, const std::string& strUid)
{
    return WithSlash(collection.path(QUrl::FullyEncoded).toStdString())
        + QString::fromStdString(strUid).toUtf8().toPercentEncoding("-_.").toStdString() + ".vcf";
}

bool CCardDavClient::Propfind(const QUrl& url, int nDepth, const std::string& strBody,
    std::vector<CDavResponse>& responses, std::string& strError)
{
    const CHttpReply reply = m_session.Send("PROPFIND", url, strBody, {{"Depth", QByteArray::number(nDepth)}});
    CDavMultiStatus status;
    if (!ReadMultiStatus(reply, url, status, strError))
        return false;
    responses = std::move(status.m_responses);
    return true;
}

bool CCardDavClient::FindAddressBooks(const QUrl& home, std::vector<AddressBook>& books, std::string& strError)
{
    std::vector<CDavResponse> responses;
    if (!Propfind(home, 1, PropfindBody({{&kDav, "resourcetype"}, {&kDav, "displayname"}}), responses, strError))
        return false;
    for (const CDavResponse& response : responses)
        if (response.bAddressBook)
            books.push_back({Resolve(home, response.strHref), response.strDisplayName});
    return true;
}

bool CCardDavClient::Discover(const QUrl& start, std::vector<AddressBook>& books, std::string& strError)
{
    books.clear();
    QUrl url = start;
    for (int nAttempt = 0; nAttempt < 2; ++nAttempt) {
        std::vector<CDavResponse> responses;
        const std::string body = PropfindBody({{&kDav, "resourcetype"}, {&kDav, "displayname"},
            {&kDav, "current-user-principal"}, {&kCardDav, "addressbook-home-set"}});
        std::string strPropfindError;
        if (Propfind(url, 0, body, responses, strPropfindError) && !responses.empty()) {
            const CDavResponse& self = responses.front();
            if (self.bAddressBook) {
                books.push_back({url, self.strDisplayName});
                return true;
            }
            std::string home = self.strAddressBookHome;
            if (home.empty() && !self.strPrincipal.empty()) {
                const QUrl principalUrl = Resolve(url, self.strPrincipal);
                if (!IsOnServer(principalUrl, start, strError))
                    return false;
                std::vector<CDavResponse> principal;
                if (!Propfind(principalUrl, 0, PropfindBody({{&kCardDav, "addressbook-home-set"}}), principal,
                        strError))
                    return false;
                if (!principal.empty())
                    home = Resolve(principalUrl, principal.front().strAddressBookHome).toString().toStdString();
            }
            const QUrl homeUrl = home.empty() ? url : Resolve(url, home);
            if (!IsOnServer(homeUrl, start, strError) || !FindAddressBooks(homeUrl, books, strError))
                return false;
            if (!books.empty())
                return true;
        } else if (m_session.LastStatus() == 401 || nAttempt > 0) {
            strError = strPropfindError;
            return false;
        }
        // Nothing found where the user pointed: ask the server where its
        // address books live.
        url = start.resolved(QUrl(QStringLiteral("/.well-known/carddav")));
    }
    return true;
}

bool CCardDavClient::SyncCollection(
    const QUrl& collection, const std::string& strSyncToken, Changes& changes, int& nStatus, std::string& strError)
{
    const std::string collectionPath = collection.path(QUrl::FullyEncoded).toStdString();
    std::string token = strSyncToken;
    changes = Changes();
    changes.bComplete = token.empty();
    // A server may hand out the changes in parts: a 507 for the collection
    // itself means "ask again from the token that came with this part".
    for (int nPart = 0; nPart < 100000; ++nPart) {
        const std::string body = XmlBody(kDav, "sync-collection", [&](QXmlStreamWriter& writer) {
            writer.writeTextElement(kDav, QStringLiteral("sync-token"), QString::fromStdString(token));
            writer.writeTextElement(kDav, QStringLiteral("sync-level"), QStringLiteral("1"));
            WriteProps(writer, {{&kDav, "getetag"}});
        });
        const CHttpReply reply = m_session.Send("REPORT", collection, body, {{"Depth", "0"}});
        nStatus = reply.nStatus;
        if (reply.nStatus != 207) {
            strError = StatusMessage(reply, collection);
            return false;
        }
        bool bTruncated = false;
        std::string strUnreadable;
        std::string strNewToken;
        const bool bRead = CDavMultiStatus::Parse(
            reply.strBody,
            [&](CDavResponse& response) {
                const std::string href = CanonicalHref(collection, response.strHref);
                if (IsCollectionHref(href) || href == collectionPath) {
                    bTruncated |= response.nStatus == 507;
                    return;
                }
                const int nCardStatus = MemberStatus(response);
                if (nCardStatus == 404 || nCardStatus == 410)
                    changes.removed.push_back(href);
                else if (nCardStatus == 200)
                    changes.changed.push_back({href, std::move(response.strEtag)});
                else if (strUnreadable.empty())
                    strUnreadable = UnreadableCard(collection, response.strHref, nCardStatus);
            },
            strNewToken, strError);
        if (!bRead) {
            strError = UnreadableReply(collection, strError);
            return false;
        }
        if (!strUnreadable.empty()) {
            // The token would move past the card: the whole listing waits.
            strError = strUnreadable;
            nStatus = kUnreadableMember;
            return false;
        }
        changes.strSyncToken = strNewToken;
        if (!bTruncated || strNewToken.empty() || strNewToken == token)
            return true;
        token = strNewToken;
    }
    return true;
}

bool CCardDavClient::ListEtags(const QUrl& collection, Changes& changes, std::string& strError)
{
    std::vector<CDavResponse> responses;
    if (!Propfind(collection, 1, PropfindBody({{&kDav, "getetag"}, {&kDav, "resourcetype"}}), responses, strError))
        return false;
    changes = Changes();
    changes.bComplete = true;
    for (CDavResponse& response : responses) {
        const std::string href = CanonicalHref(collection, response.strHref);
        if (response.bCollection || IsCollectionHref(href))
            continue;
        // In a complete listing a card left out counts as gone: one the
        // server could not describe must not be.
        if (response.strEtag.empty()) {
            strError = UnreadableCard(collection, response.strHref, MemberStatus(response));
            return false;
        }
        changes.changed.push_back({href, std::move(response.strEtag)});
    }
    return true;
}

bool CCardDavClient::ListChanges(
    const QUrl& collection, const std::string& strSyncToken, Changes& changes, std::string& strError)
{
    int nStatus = 0;
    if (SyncCollection(collection, strSyncToken, changes, nStatus, strError))
        return true;
    if (nStatus == 0 || nStatus == 401 || nStatus == kUnreadableMember)
        return false;
    // The server no longer knows the token: start over from nothing.
    if (!strSyncToken.empty() && SyncCollection(collection, std::string(), changes, nStatus, strError))
        return true;
    if (nStatus == 0 || nStatus == 401 || nStatus == kUnreadableMember)
        return false;
    // No sync-collection at all: compare every card's ETag.
    return ListEtags(collection, changes, strError);
}

bool CCardDavClient::Fetch(
    const QUrl& collection, const std::vector<std::string>& hrefs, std::vector<Card>& cards, std::string& strError)
{
    for (size_t nFirst = 0; nFirst < hrefs.size(); nFirst += kFetchBatch) {
        const size_t nEnd = std::min(hrefs.size(), nFirst + kFetchBatch);
        const std::string body = XmlBody(kCardDav, "addressbook-multiget", [&](QXmlStreamWriter& writer) {
            WriteProps(writer, {{&kDav, "getetag"}, {&kCardDav, "address-data"}});
            for (size_t i = nFirst; i < nEnd; ++i)
                writer.writeTextElement(kDav, QStringLiteral("href"), QString::fromStdString(hrefs[i]));
        });
        const CHttpReply reply = m_session.Send("REPORT", collection, body, {{"Depth", "1"}});
        if (reply.nStatus != 207) {
            strError = StatusMessage(reply, collection);
            return false;
        }
        std::vector<Card> batch;
        std::string strToken;
        const bool bRead = CDavMultiStatus::Parse(
            reply.strBody,
            [&](CDavResponse& response) {
                // The status first: it reads the ETag moved below.
                const int nStatus = CardStatus(response);
                batch.push_back({CanonicalHref(collection, response.strHref), std::move(response.strEtag),
                    std::move(response.strAddressData), nStatus});
            },
            strToken, strError);
        if (!bRead) {
            strError = UnreadableReply(collection, strError);
            return false;
        }
        cards.insert(cards.end(), std::make_move_iterator(batch.begin()), std::make_move_iterator(batch.end()));
    }
    return true;
}

CCardDavClient::WriteResult CCardDavClient::Put(const QUrl& collection, const std::string& strHref,
    const std::string& strData, const std::string& strIfMatch, std::string& strNewEtag, std::string& strError)
{
    const QUrl url = Resolve(collection, strHref);
    CHttpSession::Headers headers{{"Content-Type", "text/vcard; charset=utf-8"}};
    if (strIfMatch.empty())
        headers.push_back({"If-None-Match", "*"});
    else
        headers.push_back({"If-Match", QByteArray::fromStdString(strIfMatch)});
    const CHttpReply reply = m_session.Send("PUT", url, strData, headers);
    if (reply.nStatus == 412)
        return WriteResult::kConflict;
    if (reply.IsSuccess()) {
        // Empty when the server keeps the new ETag to itself; the engine
        // asks for all such at once.
        strNewEtag = reply.strEtag;
        return WriteResult::kDone;
    }
    if (!IsRefusalOfTheCard(reply.nStatus)) {
        strError = StatusMessage(reply, url);
        return WriteResult::kFailed;
    }
    const std::string condition = CDavMultiStatus::Precondition(reply.strBody);
    strError = RefusalReason(reply, condition);
    return condition == "supported-address-data" ? WriteResult::kUnsupportedVersion : WriteResult::kRefused;
}

CCardDavClient::WriteResult CCardDavClient::Delete(
    const QUrl& collection, const std::string& strHref, const std::string& strIfMatch, std::string& strError)
{
    const QUrl url = Resolve(collection, strHref);
    const CHttpReply reply
        = m_session.Send("DELETE", url, std::string(), {{"If-Match", QByteArray::fromStdString(strIfMatch)}});
    if (reply.nStatus == 412)
        return WriteResult::kConflict;
    if (reply.nStatus == 404 || reply.nStatus == 410)
        return WriteResult::kGone;
    if (!reply.IsSuccess()) {
        strError = StatusMessage(reply, url);
        return WriteResult::kFailed;
    }
    return WriteResult::kDone;
}

bool CCardDavClient::TakesVCard4(const QUrl& collection)
{
    std::vector<CDavResponse> responses;
    std::string strError;
    if (!Propfind(collection, 0, PropfindBody({{&kCardDav, "supported-address-data"}}), responses, strError))
        return true;   // a refused 4.0 card still says so
    for (const CDavResponse& response : responses) {
        if (!response.bHasSupportedVersions || response.supportedVersions.empty())
            continue;
        const std::vector<std::string>& versions = response.supportedVersions;
        return std::find(versions.begin(), versions.end(), "4.0") != versions.end();
    }
    return true;
}
