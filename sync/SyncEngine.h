#pragma once

#include <string>
#include <vector>

#include <QUrl>

#include "sync/AddressBook.h"
#include "sync/LocalRecords.h"
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
    struct Options
    {
        bool bDryRun = false;
        // Deletes what would be too many deletions (more than half of a
        // side, and more than five) all the same.
        bool bForce = false;
        // Brings back what would be too many deletions instead: the side
        // that lost them gets them again from the other, and nothing is
        // deleted on either side.
        bool bBringBack = false;
    };

    CSyncEngine(CAddressBook& book, const QUrl& collection, CSyncState& state, CRecordList& list,
        std::string strDirectoryFile, Options options);

    // The outcome's kind is kInStep or the failure; doneHere/doneThere
    // (added, changed, deleted), conflicts and, for a refused mass
    // deletion, here/there are filled.
    CSyncOutcome Run(CSyncReport& report);

private:
    enum class ERound
    {
        kDone,
        kAgain,
        kFailed,
        kRefused,
    };

    ERound Round(CSyncReport& report, CSyncOutcome& failure);
    CLocalRecords NamedRecords() const;
    void RecoverPendingCreates(const CAddressBook::Changes& changes);
    bool Guard(CSyncMerge::Plan& plan, const CLocalRecords& local, CSyncOutcome& failure) const;
    static const CRecordFields& Before(const CSyncItem& item, const CLocalRecords& local);
    bool ApplyHere(const CSyncMerge::Plan& plan, const CLocalRecords& local, const std::string& strToken,
        CSyncReport& report, CSyncOutcome& failure);
    ERound ApplyThere(const CSyncMerge::Plan& plan, CSyncReport& report, CSyncOutcome& failure);
    void CatchUpWithOwnWrites();

    CAddressBook& m_book;
    QUrl m_collection;
    CSyncState& m_state;
    CRecordList& m_list;
    std::string m_strDirectoryFile;
    Options m_options;
    // The conflicts of the rounds that saved the directory (or, in a dry
    // run, would have).
    std::vector<CSyncOutcome::Conflict> m_conflicts;
};
