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
    // principal, an address book home or just the server, else from the
    // server's well-known address. FALSE on a failed request, with
    // kNotCardDav (tried: the paths asked) where neither address answers
    // as CardDAV does; an empty list when none was found.
    bool Discover(const QUrl& start, std::vector<AddressBook>& books, CSyncOutcome& failure);

    // By sync-collection where the server has it, else by listing every
    // ETag; a member the server lists with an error fails the listing.
    bool ListChanges(const QUrl& collection, const std::string& strSyncToken, Changes& changes,
        CSyncOutcome& failure) override;
    // By addressbook-multiget, in batches.
    bool Fetch(const QUrl& collection, const std::vector<std::string>& hrefs, std::vector<Card>& cards,
        CSyncOutcome& failure) override;
    WriteResult Put(const QUrl& collection, const std::string& strHref, const std::string& strData,
        const std::string& strIfMatch, std::string& strNewEtag, CSyncOutcome& failure) override;
    WriteResult Delete(const QUrl& collection, const std::string& strHref, const std::string& strIfMatch,
        CSyncOutcome& failure) override;
    // From the collection's supported-address-data.
    bool TakesVCard4(const QUrl& collection, CSyncOutcome& failure) override;

    // Named after its UID, inside the collection.
    std::string NewHref(const QUrl& collection, const std::string& strUid) const override;
    // An href as this program keeps it: the absolute path, percent-encoded
    // the one same way whatever form the server wrote it in.
    static std::string CanonicalHref(const QUrl& collection, const std::string& strHref);

private:
    // bCollection: url is the address book itself, and a 404 or 410 for it
    // means it is gone.
    bool Propfind(const QUrl& url, int nDepth, const std::string& strBody, bool bCollection,
        std::vector<CDavResponse>& responses, CSyncOutcome& failure);
    bool SyncCollection(
        const QUrl& collection, const std::string& strSyncToken, Changes& changes, CSyncOutcome& failure);
    bool SyncPart(const QUrl& collection, const std::string& token, Changes& changes, std::string& strNewToken,
        bool& bTruncated, CSyncOutcome& failure);
    bool ListEtags(const QUrl& collection, Changes& changes, CSyncOutcome& failure);
    static bool IsFinal(const CSyncOutcome& failure);
    bool FindAddressBooks(const QUrl& home, std::vector<AddressBook>& books, CSyncOutcome& failure);
    bool FollowProperties(const QUrl& url, const QUrl& start, const CDavResponse& self,
        std::vector<AddressBook>& books, CSyncOutcome& failure);

    CHttpSession& m_session;
};
