#pragma once

#include <string>
#include <vector>

#include <QUrl>

#include "sync/CardDavClient.h"
#include "sync/SyncMerge.h"
#include "sync/SyncReport.h"
#include "sync/SyncState.h"

class CRecordList;

// One sync of a loaded directory with its address book: find what changed
// on each side, merge, and bring both sides in step. The directory is
// saved first, with the state that goes with it; then every write to the
// server goes out on its own, and each one confirmed is written to the
// state at once. A write that finds someone else wrote first makes the
// whole round start again from the server's changes.
class CSyncEngine
{
public:
    enum class EResult
    {
        kInStep,
        kFailed,
        kRefused,   // the mass-deletion guard
    };
    struct Options
    {
        bool bDryRun = false;
        bool bForce = false;
    };

    CSyncEngine(CCardDavClient& client, const QUrl& collection, CSyncState& state, CRecordList& list,
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
    bool GatherRemote(const CCardDavClient::Changes& changes, const Local& local,
        const CSyncMerge::Alignment& alignment, std::vector<CRemoteCard>& remote, std::vector<CRemoteCard>& newCards,
        std::string& strMessage);
    bool Guard(const CSyncMerge::Plan& plan, const Local& local, std::string& strMessage) const;
    bool ApplyHere(const CSyncMerge::Plan& plan, const Local& local, std::string& strMessage);
    void CatchUpWithOwnWrites();
    ERound ApplyThere(const CSyncMerge::Plan& plan, CSyncReport& report, std::string& strMessage);

    CCardDavClient& m_client;
    QUrl m_collection;
    CSyncState& m_state;
    CRecordList& m_list;
    std::string m_strDirectoryFile;
    Options m_options;
};
