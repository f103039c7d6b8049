#pragma once

#include <string>
#include <vector>

#include <QUrl>

#include "sync/DavResponse.h"
#include "sync/HttpSession.h"

// One address book on a CardDAV server, as this program uses it: find it,
// list what changed, fetch cards, and write them only where nobody else
// wrote first.
class CCardDavClient
{
public:
    struct AddressBook
    {
        QUrl url;
        std::string strName;
    };
    struct Member
    {
        std::string strHref;
        std::string strEtag;
    };
    struct Changes
    {
        // TRUE: m_changed lists every card there is, and any card not in it is gone.
        bool bComplete = false;
        std::vector<Member> changed;
        std::vector<std::string> removed;
        std::string strSyncToken;
    };
    struct Card
    {
        std::string strHref;
        std::string strEtag;
        std::string strData;
    };
    enum class WriteResult
    {
        kDone,
        // Someone else changed or created the card first (412).
        kConflict,
        // The card is not there any more (a delete that found nothing).
        kGone,
        kFailed,
    };

    explicit CCardDavClient(CHttpSession& session);

    // Finds the address books starting from a URL that names one, a
    // principal, an address book home or just the server. FALSE (with the
    // reason) on a failed request; an empty list when none was found.
    bool Discover(const QUrl& start, std::vector<AddressBook>& books, std::string& strError);

    // What changed in the collection since strSyncToken (everything for an
    // empty token, or when the server no longer knows the token), by
    // sync-collection where the server has it, else by listing every ETag.
    bool ListChanges(const QUrl& collection, const std::string& strSyncToken, Changes& changes, std::string& strError);
    // The cards at these hrefs; a card that is gone meanwhile is left out.
    bool Fetch(
        const QUrl& collection, const std::vector<std::string>& hrefs, std::vector<Card>& cards, std::string& strError);

    // Creates the card (only where nothing is) or replaces it (only while
    // it still has strEtag). strNewEtag gets the card's new ETag.
    WriteResult Put(const QUrl& collection, const std::string& strHref, const std::string& strData,
        const std::string& strIfMatch, std::string& strNewEtag, std::string& strError);
    WriteResult Delete(
        const QUrl& collection, const std::string& strHref, const std::string& strIfMatch, std::string& strError);

    // The href of a new card named after its UID, inside the collection.
    static std::string NewHref(const QUrl& collection, const std::string& strUid);
    // An href as this program keeps it: the absolute path, percent-encoded
    // the one same way whatever form the server wrote it in.
    static std::string CanonicalHref(const QUrl& collection, const std::string& strHref);

private:
    bool Propfind(const QUrl& url, int nDepth, const std::string& strBody, std::vector<CDavResponse>& responses,
        std::string& strError);
    bool SyncCollection(
        const QUrl& collection, const std::string& strSyncToken, Changes& changes, int& nStatus, std::string& strError);
    bool ListEtags(const QUrl& collection, Changes& changes, std::string& strError);
    bool FindAddressBooks(const QUrl& home, std::vector<AddressBook>& books, std::string& strError);

    CHttpSession& m_session;
};
