#include "sync/SyncEngine.h"

#include <algorithm>
#include <map>
#include <utility>

#include "data/RecordList.h"
#include "sync/DeletionGuard.h"
#include "sync/LocalWriter.h"
#include "sync/RemoteGatherer.h"
#include "sync/ServerWriter.h"

namespace {

// Rounds of "fetch and merge again" after a write someone else beat.
constexpr int kMaxRounds = 3;

}   // namespace

CSyncEngine::CSyncEngine(CAddressBook& book, const QUrl& collection, CSyncState& state, CRecordList& list,
    std::string strDirectoryFile, Options options)
    : m_book(book)
    , m_collection(collection)
    , m_state(state)
    , m_list(list)
    , m_strDirectoryFile(std::move(strDirectoryFile))
    , m_options(options)
{
}

CSyncOutcome CSyncEngine::Run(CSyncReport& report)
{
    CSyncOutcome outcome;
    ERound result = ERound::kAgain;
    for (int nRound = 0; nRound < kMaxRounds && result == ERound::kAgain; ++nRound) {
        outcome = CSyncOutcome();
        result = Round(report, outcome);
    }
    outcome.bDryRun = m_options.bDryRun;
    outcome.strCollectionUrl = m_collection.toDisplayString(QUrl::RemoveUserInfo).toStdString();
    if (result == ERound::kAgain) {
        outcome.kind = CSyncOutcome::EKind::kKeptChanging;
        outcome.strUrl = outcome.strCollectionUrl;
    }
    outcome.conflicts = m_conflicts;
    outcome.doneHere = {report.LocalAdded(), report.LocalChanged(), report.LocalDeleted()};
    outcome.doneThere = {report.RemoteAdded(), report.RemoteChanged(), report.RemoteDeleted()};
    return outcome;
}

CLocalRecords CSyncEngine::NamedRecords() const
{
    CLocalRecords local;
    local.records.reserve(static_cast<size_t>(m_list.GetCount()));
    int nIndex = 0;
    m_list.ForEachRecord([&](const CRecordFields& fields) {
        if (!fields.strName.IsEmpty()) {
            local.records.push_back(fields);
            local.listIndex.push_back(nIndex);
        }
        ++nIndex;
    });
    return local;
}

// List, gather and merge; then, unless the guard or a dry run stops it
// there, this side first, then the server.
CSyncEngine::ERound CSyncEngine::Round(CSyncReport& report, CSyncOutcome& failure)
{
    CAddressBook::Changes changes;
    if (!m_book.ListChanges(m_collection, m_state.m_strSyncToken, changes, failure))
        return ERound::kFailed;
    RecoverPendingCreates(changes);
    const CLocalRecords local = NamedRecords();
    const CSyncMerge::Alignment alignment = CSyncMerge::Align(m_state.m_entries, local.records);
    CRemoteGatherer remote(m_book, m_collection, m_state.m_entries);
    if (!remote.Gather(changes, CSyncMerge::TouchedHere(m_state.m_entries, local.records, alignment), failure))
        return ERound::kFailed;
    for (const CRemoteCard* pCard : remote.LeftOut())
        report.LeftOut(*pCard);
    CSyncMerge::Plan plan
        = CSyncMerge::Merge(m_state.m_entries, local.records, alignment, remote.Known(), remote.New());
    const bool bRefused = !Guard(plan, local, failure);
    // A refused dry run still names everything it would do: it is what the
    // user looks at before forcing the sync.
    if (m_options.bDryRun) {
        m_conflicts = plan.conflicts;
        for (const CSyncItem& item : plan.items) {
            report.Here(item, Before(item, local));
            report.There(item);
        }
        return bRefused ? ERound::kRefused : ERound::kDone;
    }
    if (bRefused)
        return ERound::kRefused;
    if (!ApplyHere(plan, local, changes.strSyncToken, report, failure))
        return ERound::kFailed;
    return ApplyThere(plan, report, failure);
}

// FALSE when the plan deletes too much and the sync is not told what to do
// about it; brought back, it deletes nothing.
bool CSyncEngine::Guard(CSyncMerge::Plan& plan, const CLocalRecords& local, CSyncOutcome& failure) const
{
    if (m_options.bForce || CDeletionGuard::Allows(plan, local, failure))
        return true;
    if (!m_options.bBringBack)
        return false;
    CDeletionGuard::BringBack(plan);
    failure = CSyncOutcome();
    return true;
}

const CRecordFields& CSyncEngine::Before(const CSyncItem& item, const CLocalRecords& local)
{
    return item.nLocal >= 0 ? local.records[static_cast<size_t>(item.nLocal)] : item.fields;
}

// Saves the directory, then the state that goes with it: every change the
// server listed is in it, so its token can move on.
bool CSyncEngine::ApplyHere(const CSyncMerge::Plan& plan, const CLocalRecords& local, const std::string& strToken,
    CSyncReport& report, CSyncOutcome& failure)
{
    if (!CLocalWriter(m_list, m_strDirectoryFile).Apply(plan, local, failure))
        return false;
    m_conflicts.insert(m_conflicts.end(), plan.conflicts.begin(), plan.conflicts.end());
    for (const CSyncItem& item : plan.items)
        report.Here(item, Before(item, local));
    m_state.m_entries.clear();
    for (const CSyncItem& item : plan.items)
        if (item.bHasEntry)
            m_state.m_entries.push_back(item.entry);
    m_state.m_strSyncToken = strToken;
    std::string strError;
    if (m_state.Save(strError))
        return true;
    failure = CServerWriter::StateNotSaved(m_strDirectoryFile, strError);
    return false;
}

CSyncEngine::ERound CSyncEngine::ApplyThere(const CSyncMerge::Plan& plan, CSyncReport& report, CSyncOutcome& failure)
{
    const bool bWritesThere = std::any_of(plan.items.begin(), plan.items.end(),
        [](const CSyncItem& item) { return item.remote != CSyncItem::ERemote::kKeep; });
    if (!bWritesThere)
        return ERound::kDone;
    using EResult = CServerWriter::EResult;
    CServerWriter writer(m_book, m_collection, m_state, m_strDirectoryFile);
    const EResult result = writer.Apply(plan, report, failure);
    if (result == EResult::kDone) {
        // Every record to be created is on the server now: a create noted
        // and never confirmed belongs to no record any more.
        m_state.m_pending.clear();
        CatchUpWithOwnWrites();
    }
    // The journal of this round's writes goes into the state itself.
    std::string strError;
    if (!m_state.Save(strError) && result != EResult::kFailed) {
        failure = CServerWriter::StateNotSaved(m_strDirectoryFile, strError);
        return ERound::kFailed;
    }
    return result == EResult::kDone ? ERound::kDone : result == EResult::kAgain ? ERound::kAgain : ERound::kFailed;
}

// The token was taken before this round wrote to the server. A server may
// leave out of the next listing a card that was created and deleted since a
// token, so a token older than our own writes could hide a deletion made by
// someone else: when the server lists nothing but these writes since, the
// newer token is taken.
void CSyncEngine::CatchUpWithOwnWrites()
{
    if (m_state.m_strSyncToken.empty())
        return;
    CAddressBook::Changes changes;
    CSyncOutcome ignored;
    if (!m_book.ListChanges(m_collection, m_state.m_strSyncToken, changes, ignored) || changes.bComplete
        || changes.strSyncToken.empty())
        return;
    std::map<std::string, const std::string*> etags;
    for (const CSyncEntry& entry : m_state.m_entries)
        etags.emplace(entry.strHref, &entry.strEtag);
    for (const CAddressBook::Member& member : changes.changed) {
        const auto found = etags.find(member.strHref);
        if (found == etags.end() || *found->second != member.strEtag)
            return;
    }
    for (const std::string& href : changes.removed)
        if (etags.count(href) != 0)
            return;
    m_state.m_strSyncToken = changes.strSyncToken;
}

// A create noted in the journal whose card the server lists: the server
// took it after the last run stopped waiting. It is this record's card, as
// if its PUT had been confirmed; the round saves it with the rest.
void CSyncEngine::RecoverPendingCreates(const CAddressBook::Changes& changes)
{
    std::vector<CSyncState::PendingCreate>& pending = m_state.m_pending;
    std::vector<CSyncEntry>& entries = m_state.m_entries;
    for (auto it = pending.begin(); it != pending.end();) {
        const auto listed = std::find_if(changes.changed.begin(), changes.changed.end(),
            [&](const CAddressBook::Member& member) { return member.strHref == it->entry.strHref; });
        const bool bKnown = std::any_of(entries.begin(), entries.end(),
            [&](const CSyncEntry& entry) { return entry.strHref == it->entry.strHref; });
        if (listed == changes.changed.end() || bKnown) {
            ++it;
            continue;
        }
        CSyncEntry entry = it->entry;
        entry.strEtag = listed->strEtag;
        entries.insert(entries.begin() + static_cast<std::ptrdiff_t>(std::min(it->nAt, entries.size())), entry);
        it = pending.erase(it);
    }
}
