#pragma once

#include <string>
#include <vector>

#include <QUrl>

#include "sync/AddressBook.h"
#include "sync/DavResponse.h"
#include "sync/HttpSession.h"

// One address book on a CardDAV server, as this program uses it: find it,
// list what changed, fetch cards, and write them only where nobody else
// wrote first.
class CCardDavClient : public CAddressBook
{
public:
    struct AddressBook
    {
        QUrl url;
        std::string strName;
    };
    explicit CCardDavClient(CHttpSession& session);

    // Finds the address books starting from a URL that names one, a
    // principal, an address book home or just the server. FALSE (with the
    // reason) on a failed request; an empty list when none was found.
    bool Discover(const QUrl& start, std::vector<AddressBook>& books, std::string& strError);

    // By sync-collection where the server has it, else by listing every
    // ETag; a member the server lists with an error fails the listing.
    bool ListChanges(const QUrl& collection, const std::string& strSyncToken, Changes& changes,
        std::string& strError) override;
    // By addressbook-multiget, in batches.
    bool Fetch(const QUrl& collection, const std::vector<std::string>& hrefs, std::vector<Card>& cards,
        std::string& strError) override;
    WriteResult Put(const QUrl& collection, const std::string& strHref, const std::string& strData,
        const std::string& strIfMatch, std::string& strNewEtag, std::string& strError) override;
    WriteResult Delete(const QUrl& collection, const std::string& strHref, const std::string& strIfMatch,
        std::string& strError) override;
    // From the collection's supported-address-data.
    bool TakesVCard4(const QUrl& collection) override;

    // The href of a new card named after its UID, inside the collection.
    static std::string NewHref(const QUrl& collection, const std::string& strUid);
    // An href as this program keeps it: the absolute path, percent-encoded
    // the one same way whatever form the server wrote it in.
    static std::string CanonicalHref(const QUrl& collection, const std::string& strHref);

private:
    // SyncCollection's status when the server listed a card with an error.
    static constexpr int kUnreadableMember = -1;

    bool Propfind(const QUrl& url, int nDepth, const std::string& strBody, std::vector<CDavResponse>& responses,
        std::string& strError);
    bool SyncCollection(
        const QUrl& collection, const std::string& strSyncToken, Changes& changes, int& nStatus, std::string& strError);
    bool ListEtags(const QUrl& collection, Changes& changes, std::string& strError);
    bool FindAddressBooks(const QUrl& home, std::vector<AddressBook>& books, std::string& strError);

    CHttpSession& m_session;
};
