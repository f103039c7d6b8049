#pragma once

#include <string>
#include <vector>

#include <QUrl>

#include "sync/AddressBook.h"
#include "sync/SyncMerge.h"
#include "sync/SyncReport.h"
#include "sync/SyncState.h"

class CRecordList;

// One sync of a loaded directory with its address book: find what changed
// on each side, merge, and bring both sides in step. The directory is
// saved first, with the state that goes with it; then every write to the
// server goes out on its own, and each one confirmed is written to the
// state at once. A write that finds someone else wrote first makes the
// whole round start again from the server's changes. Only a server's
// explicit 404 or 410 makes a card count as gone: a card the server could
// not give now fails the round before anything is changed.
class CSyncEngine
{
public:
    enum class EResult
    {
        kInStep,
        kFailed,   // nothing lost; the next run finishes the work
        kRefused,   // the mass-deletion guard
    };
    struct Options
    {
        bool bDryRun = false;
        bool bForce = false;
    };

    CSyncEngine(CAddressBook& book, const QUrl& collection, CSyncState& state, CRecordList& list,
        std::string strDirectoryFile, Options options);

    EResult Run(CSyncReport& report, std::string& strMessage);

private:
    struct Local
    {
        std::vector<CRecordFields> records;
        std::vector<int> listIndex;
    };
    enum class ERound
    {
        kDone,
        kAgain,
        kFailed,
        kRefused,
    };

    ERound Round(CSyncReport& report, std::string& strMessage);
    Local NamedRecords() const;
    void RecoverPendingCreates(const CAddressBook::Changes& changes);
    bool GatherRemote(const CAddressBook::Changes& changes, const Local& local,
        const CSyncMerge::Alignment& alignment, std::vector<CRemoteCard>& remote, std::vector<CRemoteCard>& newCards,
        std::string& strMessage);
    bool FetchAll(const std::vector<std::string>& hrefs, const std::vector<CRemoteCard>& remote,
        std::vector<CAddressBook::Card>& cards, std::string& strMessage);
    bool Guard(const CSyncMerge::Plan& plan, const Local& local, std::string& strMessage) const;
    bool ApplyHere(const CSyncMerge::Plan& plan, const Local& local, std::string& strMessage);
    void CatchUpWithOwnWrites();
    ERound ApplyThere(const CSyncMerge::Plan& plan, CSyncReport& report, std::string& strMessage);
    CAddressBook::WriteResult Create(const CSyncItem& item, size_t nAt, CSyncEntry& entry, std::string& strEtag,
        std::string& strMessage);
    CAddressBook::WriteResult AdoptOwnCard(const CSyncEntry& entry, std::string& strEtag, std::string& strMessage);
    void FetchNewEtags(const std::vector<std::string>& hrefs);
    int CardVersion();

    CAddressBook& m_book;
    QUrl m_collection;
    CSyncState& m_state;
    CRecordList& m_list;
    std::string m_strDirectoryFile;
    Options m_options;
};
