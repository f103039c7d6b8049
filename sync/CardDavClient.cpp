#include "sync/CardDavClient.h"

#include <algorithm>
#include <iterator>

#include <QByteArray>
#include <QXmlStreamWriter>

#include "sync/DavMultiStatus.h"
#include "sync/ReplyFailure.h"

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

using EKind = CSyncOutcome::EKind;

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
bool IsOnServer(const QUrl& url, const QUrl& server, CSyncOutcome& failure)
{
    if (CHttpSession::IsSameOrigin(url, server))
        return true;
    failure = CReplyFailure::Of(EKind::kOtherServer, url, 0);
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

std::string CCardDavClient::NewHref(const QUrl& collection, const std::string& strUid) const
{
    return WithSlash(collection.path(QUrl::FullyEncoded).toStdString())
        + QString::fromStdString(strUid).toUtf8().toPercentEncoding("-_.").toStdString() + ".vcf";
}

bool CCardDavClient::Propfind(const QUrl& url, int nDepth, const std::string& strBody, bool bCollection,
    std::vector<CDavResponse>& responses, CSyncOutcome& failure)
{
    const CHttpReply reply = m_session.Send("PROPFIND", url, strBody, {{"Depth", QByteArray::number(nDepth)}});
    // A page, or a bare 200, is what a web server that is no CardDAV
    // server answers.
    if (reply.IsSuccess() && reply.nStatus != 207) {
        failure = CReplyFailure::Of(EKind::kNotCardDav, url, reply.nStatus);
        return false;
    }
    CDavMultiStatus status;
    if (!CReplyFailure::ReadMultiStatus(reply, url, bCollection, status, failure))
        return false;
    responses = std::move(status.m_responses);
    return true;
}

bool CCardDavClient::FindAddressBooks(const QUrl& home, std::vector<AddressBook>& books, CSyncOutcome& failure)
{
    std::vector<CDavResponse> responses;
    if (!Propfind(home, 1, PropfindBody({{&kDav, "resourcetype"}, {&kDav, "displayname"}}), false, responses,
            failure))
        return false;
    for (const CDavResponse& response : responses)
        if (response.bAddressBook)
            books.push_back({Resolve(home, response.strHref), response.strDisplayName});
    return true;
}

// The address books that url's own properties lead to: itself, or those in
// the home it names or its principal names.
bool CCardDavClient::FollowProperties(
    const QUrl& url, const QUrl& start, const CDavResponse& self, std::vector<AddressBook>& books,
    CSyncOutcome& failure)
{
    if (self.bAddressBook) {
        books.push_back({url, self.strDisplayName});
        return true;
    }
    std::string home = self.strAddressBookHome;
    if (home.empty() && !self.strPrincipal.empty()) {
        const QUrl principalUrl = Resolve(url, self.strPrincipal);
        if (!IsOnServer(principalUrl, start, failure))
            return false;
        std::vector<CDavResponse> principal;
        if (!Propfind(principalUrl, 0, PropfindBody({{&kCardDav, "addressbook-home-set"}}), false, principal, failure))
            return false;
        if (!principal.empty())
            home = Resolve(principalUrl, principal.front().strAddressBookHome).toString().toStdString();
    }
    const QUrl homeUrl = home.empty() ? url : Resolve(url, home);
    return IsOnServer(homeUrl, start, failure) && FindAddressBooks(homeUrl, books, failure);
}

bool CCardDavClient::Discover(const QUrl& start, std::vector<AddressBook>& books, CSyncOutcome& failure)
{
    books.clear();
    std::vector<std::string> tried;
    bool bDavSeen = false;
    QUrl url = start;
    for (int nAttempt = 0; nAttempt < 2; ++nAttempt) {
        tried.push_back(url.path(QUrl::FullyEncoded).isEmpty() ? "/" : url.path(QUrl::FullyEncoded).toStdString());
        std::vector<CDavResponse> responses;
        const std::string body = PropfindBody({{&kDav, "resourcetype"}, {&kDav, "displayname"},
            {&kDav, "current-user-principal"}, {&kCardDav, "addressbook-home-set"}});
        if (Propfind(url, 0, body, false, responses, failure)) {
            if (!responses.empty() && !FollowProperties(url, start, responses.front(), books, failure))
                return false;
            if (!books.empty())
                return true;
            bDavSeen = true;
        } else if (failure.kind != EKind::kNotCardDav && failure.kind != EKind::kServerError) {
            return false;
        }
        // Nothing found where the user pointed: ask the server where its
        // address books live.
        url = start.resolved(QUrl(QStringLiteral("/.well-known/carddav")));
    }
    // A DAV server without address books for this user: none found.
    if (bDavSeen)
        return true;
    // Neither address is a CardDAV one, unless the server failed for
    // another reason than not knowing it.
    if (failure.kind == EKind::kNotCardDav || (failure.nHttpStatus >= 400 && failure.nHttpStatus < 500)) {
        failure = CReplyFailure::Of(EKind::kNotCardDav, start, failure.nHttpStatus);
        failure.tried = tried;
    }
    return false;
}

bool CCardDavClient::SyncCollection(
    const QUrl& collection, const std::string& strSyncToken, Changes& changes, CSyncOutcome& failure)
{
    std::string token = strSyncToken;
    changes = Changes();
    changes.bComplete = token.empty();
    // A server may hand out the changes in parts: a 507 for the collection
    // itself means "ask again from the token that came with this part".
    for (int nPart = 0; nPart < 100000; ++nPart) {
        bool bTruncated = false;
        std::string strNewToken;
        if (!SyncPart(collection, token, changes, strNewToken, bTruncated, failure))
            return false;
        changes.strSyncToken = strNewToken;
        if (!bTruncated || strNewToken.empty() || strNewToken == token)
            return true;
        token = strNewToken;
    }
    return true;
}

// One part of the changes since token, added to changes.
bool CCardDavClient::SyncPart(const QUrl& collection, const std::string& token, Changes& changes,
    std::string& strNewToken, bool& bTruncated, CSyncOutcome& failure)
{
    const std::string body = XmlBody(kDav, "sync-collection", [&](QXmlStreamWriter& writer) {
        writer.writeTextElement(kDav, QStringLiteral("sync-token"), QString::fromStdString(token));
        writer.writeTextElement(kDav, QStringLiteral("sync-level"), QStringLiteral("1"));
        WriteProps(writer, {{&kDav, "getetag"}});
    });
    const CHttpReply reply = m_session.Send("REPORT", collection, body, {{"Depth", "0"}});
    if (reply.nStatus != 207) {
        failure = CReplyFailure::Of(reply, collection, true);
        return false;
    }
    const std::string collectionPath = collection.path(QUrl::FullyEncoded).toStdString();
    bool bUnreadable = false;
    std::string strWhy;
    const bool bRead = CDavMultiStatus::Parse(
        reply.strBody,
        [&](CDavResponse& response) {
            const std::string href = CanonicalHref(collection, response.strHref);
            if (IsCollectionHref(href) || href == collectionPath) {
                bTruncated |= response.nStatus == 507;
                return;
            }
            const int nCardStatus = CReplyFailure::MemberStatus(response);
            if (nCardStatus == 404 || nCardStatus == 410)
                changes.removed.push_back(href);
            else if (nCardStatus == 200)
                changes.changed.push_back({href, std::move(response.strEtag)});
            else if (!bUnreadable) {
                bUnreadable = true;
                failure = CReplyFailure::Card(Resolve(collection, response.strHref), response.strHref, nCardStatus);
            }
        },
        strNewToken, strWhy);
    if (!bRead)
        failure = CReplyFailure::Unreadable(reply, collection, strWhy);
    // A card listed with an error: the token would move past it, so the
    // whole listing waits.
    return bRead && !bUnreadable;
}

bool CCardDavClient::ListEtags(const QUrl& collection, Changes& changes, CSyncOutcome& failure)
{
    std::vector<CDavResponse> responses;
    if (!Propfind(collection, 1, PropfindBody({{&kDav, "getetag"}, {&kDav, "resourcetype"}}), true, responses,
            failure))
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
            failure = CReplyFailure::Card(
                Resolve(collection, response.strHref), response.strHref, CReplyFailure::MemberStatus(response));
            return false;
        }
        changes.changed.push_back({href, std::move(response.strEtag)});
    }
    return true;
}

// A failed listing that no other way of asking would get past: the
// request got no answer, the password was refused, or a card in it could
// not be listed (the failure names it). A status for the report as a whole
// may only mean the server has no sync-collection.
bool CCardDavClient::IsFinal(const CSyncOutcome& failure)
{
    return (failure.kind != EKind::kServerError && failure.kind != EKind::kAddressBookGone) || !failure.names.empty();
}

bool CCardDavClient::ListChanges(
    const QUrl& collection, const std::string& strSyncToken, Changes& changes, CSyncOutcome& failure)
{
    if (SyncCollection(collection, strSyncToken, changes, failure))
        return true;
    if (IsFinal(failure))
        return false;
    // The server no longer knows the token: start over from nothing.
    if (!strSyncToken.empty() && SyncCollection(collection, std::string(), changes, failure))
        return true;
    if (IsFinal(failure))
        return false;
    // No sync-collection at all: compare every card's ETag.
    return ListEtags(collection, changes, failure);
}

bool CCardDavClient::Fetch(
    const QUrl& collection, const std::vector<std::string>& hrefs, std::vector<Card>& cards, CSyncOutcome& failure)
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
            failure = CReplyFailure::Of(reply, collection, true);
            return false;
        }
        std::vector<Card> batch;
        std::string strToken;
        std::string strWhy;
        const bool bRead = CDavMultiStatus::Parse(
            reply.strBody,
            [&](CDavResponse& response) {
                // The status first: it reads the ETag moved below.
                const int nStatus = CReplyFailure::CardStatus(response);
                batch.push_back({CanonicalHref(collection, response.strHref), std::move(response.strEtag),
                    std::move(response.strAddressData), nStatus});
            },
            strToken, strWhy);
        if (!bRead) {
            failure = CReplyFailure::Unreadable(reply, collection, strWhy);
            return false;
        }
        cards.insert(cards.end(), std::make_move_iterator(batch.begin()), std::make_move_iterator(batch.end()));
    }
    return true;
}

CCardDavClient::WriteResult CCardDavClient::Put(const QUrl& collection, const std::string& strHref,
    const std::string& strData, const std::string& strIfMatch, std::string& strNewEtag, CSyncOutcome& failure)
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
    if (!CReplyFailure::IsRefusalOfTheCard(reply.nStatus)) {
        failure = CReplyFailure::Of(reply, url, false);
        return WriteResult::kFailed;
    }
    const std::string condition = CDavMultiStatus::Precondition(reply.strBody);
    failure = CReplyFailure::Refusal(reply, url, condition);
    return condition == "supported-address-data" ? WriteResult::kUnsupportedVersion : WriteResult::kRefused;
}

CCardDavClient::WriteResult CCardDavClient::Delete(
    const QUrl& collection, const std::string& strHref, const std::string& strIfMatch, CSyncOutcome& failure)
{
    const QUrl url = Resolve(collection, strHref);
    const CHttpReply reply
        = m_session.Send("DELETE", url, std::string(), {{"If-Match", QByteArray::fromStdString(strIfMatch)}});
    if (reply.nStatus == 412)
        return WriteResult::kConflict;
    if (reply.nStatus == 404 || reply.nStatus == 410)
        return WriteResult::kGone;
    if (!reply.IsSuccess()) {
        failure = CReplyFailure::Of(reply, url, false);
        return WriteResult::kFailed;
    }
    return WriteResult::kDone;
}

bool CCardDavClient::TakesVCard4(const QUrl& collection, CSyncOutcome& failure)
{
    std::vector<CDavResponse> responses;
    if (!Propfind(collection, 0, PropfindBody({{&kCardDav, "supported-address-data"}}), true, responses, failure))
        return true;   // a refused 4.0 card still says so
    for (const CDavResponse& response : responses) {
        if (!response.bHasSupportedVersions || response.supportedVersions.empty())
            continue;
        const std::vector<std::string>& versions = response.supportedVersions;
        return std::find(versions.begin(), versions.end(), "4.0") != versions.end();
    }
    return true;
}
