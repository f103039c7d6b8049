#pragma once

#include <string>
#include <vector>

#include <QUrl>

// The operations the sync engine needs from one address book: list what
// changed, fetch cards, write and delete them only where nobody else wrote
// first. CCardDavClient speaks them to a CardDAV server.
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
        // The server refused this card (its reason in strError); other
        // cards may still be written.
        kRefused,
        // Refused because the server does not take this vCard version.
        kUnsupportedVersion,
        kFailed,
    };

    virtual ~CAddressBook() = default;

    // What changed in the collection since strSyncToken (everything for an
    // empty token, or when the server no longer knows the token). FALSE with
    // the reason when the server could not say for every card.
    virtual bool ListChanges(
        const QUrl& collection, const std::string& strSyncToken, Changes& changes, std::string& strError)
        = 0;
    // One entry for each href the server answered for; an href the reply
    // left out has none.
    virtual bool Fetch(
        const QUrl& collection, const std::vector<std::string>& hrefs, std::vector<Card>& cards, std::string& strError)
        = 0;
    // Creates the card (only where nothing is, for an empty strIfMatch) or
    // replaces it (only while it still has strIfMatch). strNewEtag gets the
    // card's new ETag, or stays empty when the server did not tell it.
    virtual WriteResult Put(const QUrl& collection, const std::string& strHref, const std::string& strData,
        const std::string& strIfMatch, std::string& strNewEtag, std::string& strError)
        = 0;
    virtual WriteResult Delete(
        const QUrl& collection, const std::string& strHref, const std::string& strIfMatch, std::string& strError)
        = 0;
    // FALSE only when the server says which vCard versions it takes and
    // 4.0 is not among them.
    virtual bool TakesVCard4(const QUrl& collection) = 0;
};
