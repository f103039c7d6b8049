#pragma once

#include <string>
#include <vector>

#include <QUrl>

#include "data/SyncOutcome.h"

// The operations the sync engine needs from one address book: list what
// changed, fetch cards, write and delete them only where nobody else wrote
// first. CCardDavClient speaks them to a CardDAV server. An operation that
// fails says why in failure, as the reply it got shows it: the kind
// (kNetwork, kServerError, kPasswordRefused, kAddressBookGone,
// kCertificateUntrusted, ...) and its data (the status, host and URL).
class CAddressBook
{
public:
    struct Member
    {
        std::string strHref;
        std::string strEtag;
    };
    struct Changes
    {
        // TRUE: changed lists every card there is, and any card not in it is gone.
        bool bComplete = false;
        std::vector<Member> changed;
        std::vector<std::string> removed;
        std::string strSyncToken;
    };
    // What the server answered for one href asked for.
    struct Card
    {
        std::string strHref;
        std::string strEtag;
        std::string strData;
        // 200 with the card; 404 or 410 when the server says it is gone;
        // anything else (a 503 for this card) means it could not be read now.
        int nStatus = 200;
    };
    enum class WriteResult
    {
        kDone,
        // Someone else changed or created the card first (412).
        kConflict,
        // The card is not there any more (a delete that found nothing).
        kGone,
        // The server refused this card (its status in failure.nHttpStatus,
        // the condition or text it gave in failure.strDetail); other cards
        // may still be written.
        kRefused,
        // Refused because the server does not take this vCard version.
        kUnsupportedVersion,
        kFailed,   // failure says why
    };

    virtual ~CAddressBook() = default;

    // What changed in the collection since strSyncToken (everything for an
    // empty token, or when the server no longer knows the token). FALSE when
    // the server could not say for every card.
    virtual bool ListChanges(
        const QUrl& collection, const std::string& strSyncToken, Changes& changes, CSyncOutcome& failure)
        = 0;
    // One entry for each href the server answered for; an href the reply
    // left out has none.
    virtual bool Fetch(const QUrl& collection, const std::vector<std::string>& hrefs, std::vector<Card>& cards,
        CSyncOutcome& failure)
        = 0;
    // Creates the card (only where nothing is, for an empty strIfMatch) or
    // replaces it (only while it still has strIfMatch). strNewEtag gets the
    // card's new ETag, or stays empty when the server did not tell it.
    virtual WriteResult Put(const QUrl& collection, const std::string& strHref, const std::string& strData,
        const std::string& strIfMatch, std::string& strNewEtag, CSyncOutcome& failure)
        = 0;
    virtual WriteResult Delete(
        const QUrl& collection, const std::string& strHref, const std::string& strIfMatch, CSyncOutcome& failure)
        = 0;
    // FALSE only when the server says which vCard versions it takes and
    // 4.0 is not among them; failure tells why the server could not be
    // asked (the answer is then TRUE: a refused 4.0 card still says so).
    virtual bool TakesVCard4(const QUrl& collection, CSyncOutcome& failure) = 0;
    // Where a new card with this UID goes, inside the collection.
    virtual std::string NewHref(const QUrl& collection, const std::string& strUid) const = 0;
};
