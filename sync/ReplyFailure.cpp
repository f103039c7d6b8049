#include "sync/ReplyFailure.h"

#include "sync/DavMultiStatus.h"
#include "sync/DavResponse.h"

using EKind = CSyncOutcome::EKind;

CSyncOutcome CReplyFailure::Of(EKind kind, const QUrl& url, int nStatus)
{
    CSyncOutcome failure;
    failure.kind = kind;
    failure.strHost = url.host().toStdString();
    failure.strUrl = url.toDisplayString(QUrl::RemoveUserInfo).toStdString();
    failure.nHttpStatus = nStatus;
    return failure;
}

CSyncOutcome CReplyFailure::Of(const CHttpReply& reply, const QUrl& url, bool bCollection)
{
    if (reply.nStatus == 0)
        return reply.failure;
    if (reply.nStatus == 401)
        return Of(EKind::kPasswordRefused, url, reply.nStatus);
    if (bCollection && (reply.nStatus == 404 || reply.nStatus == 410))
        return Of(EKind::kAddressBookGone, url, reply.nStatus);
    return Of(EKind::kServerError, url, reply.nStatus);
}

CSyncOutcome CReplyFailure::Unreadable(const CHttpReply& reply, const QUrl& url, const std::string& strWhy)
{
    CSyncOutcome failure = Of(EKind::kServerError, url, reply.nStatus);
    failure.strDetail = strWhy;
    return failure;
}

CSyncOutcome CReplyFailure::Card(const QUrl& url, const std::string& strHref, int nStatus)
{
    CSyncOutcome failure = Of(EKind::kServerError, url, nStatus);
    failure.names = {strHref};
    failure.nCount = 1;
    return failure;
}

CSyncOutcome CReplyFailure::Refusal(const CHttpReply& reply, const QUrl& url, const std::string& condition)
{
    CSyncOutcome failure = Of(EKind::kCardsRefused, url, reply.nStatus);
    if (!condition.empty()) {
        failure.strDetail = condition;
        return failure;
    }
    const std::string text = reply.strBody.substr(0, reply.strBody.find_first_of("\r\n"));
    if (text.find('<') == std::string::npos)
        failure.strDetail = text.substr(0, 200);
    return failure;
}

bool CReplyFailure::IsRefusalOfTheCard(int nStatus)
{
    return nStatus == 400 || nStatus == 403 || nStatus == 409 || nStatus == 413 || nStatus == 415 || nStatus == 422;
}

bool CReplyFailure::ReadMultiStatus(
    const CHttpReply& reply, const QUrl& url, bool bCollection, CDavMultiStatus& status, CSyncOutcome& failure)
{
    if (reply.nStatus != 207) {
        failure = Of(reply, url, bCollection);
        return false;
    }
    std::string strWhy;
    if (!CDavMultiStatus::Parse(reply.strBody, status, strWhy)) {
        failure = Unreadable(reply, url, strWhy);
        return false;
    }
    return true;
}

// The status of one member of a listing or multiget: 200 when it came
// with its ETag, 404 or 410 only when the server said so, 0 when the reply
// says nothing about it.
int CReplyFailure::MemberStatus(const CDavResponse& response)
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
int CReplyFailure::CardStatus(const CDavResponse& response)
{
    if (response.bHasAddressData)
        return 200;
    const int nStatus = MemberStatus(response);
    if (nStatus != 200)
        return nStatus;
    return response.nPropStatus == 404 || response.nPropStatus == 410 ? 0 : response.nPropStatus;
}
