#pragma once

#include <string>

#include <QUrl>

#include "data/SyncOutcome.h"
#include "sync/HttpReply.h"

class CDavMultiStatus;
struct CDavResponse;

// What a CardDAV reply that is not the one asked for comes to, from what
// the server answered: no answer at all (the session says why), a refused
// password, the address book itself gone, another status, a reply that
// cannot be read, or a card refused; and the status a member of a
// multistatus reply comes to.
class CReplyFailure
{
public:
    static CSyncOutcome Of(CSyncOutcome::EKind kind, const QUrl& url, int nStatus);
    // bCollection: url is the address book itself, and a 404 or 410 for it
    // means it is gone.
    static CSyncOutcome Of(const CHttpReply& reply, const QUrl& url, bool bCollection);
    static CSyncOutcome Unreadable(const CHttpReply& reply, const QUrl& url, const std::string& strWhy);
    // A card the server listed or fetched with an error status (0: none).
    static CSyncOutcome Card(const QUrl& url, const std::string& strHref, int nStatus);
    // kCardsRefused, with the server's reason: the condition its error
    // body names, else the first line of the body when it is short plain
    // text.
    static CSyncOutcome Refusal(const CHttpReply& reply, const QUrl& url, const std::string& condition);

    // A status by which the server refuses this one card (its content, its
    // size), not the whole sync.
    static bool IsRefusalOfTheCard(int nStatus);

    // The status of one member of a listing or multiget: 200 when it came
    // with its ETag, 404 or 410 only when the server said so, 0 when the
    // reply says nothing about it.
    static int MemberStatus(const CDavResponse& response);
    // A fetched card's status: 200 only with the card's text; a card whose
    // ETag came without its text is there but could not be read.
    static int CardStatus(const CDavResponse& response);

    // A multi-status reply, read; FALSE when the server answered otherwise
    // or sent what cannot be read.
    static bool ReadMultiStatus(
        const CHttpReply& reply, const QUrl& url, bool bCollection, CDavMultiStatus& status, CSyncOutcome& failure);
};
