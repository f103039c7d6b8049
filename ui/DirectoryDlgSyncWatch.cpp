// The main window beside a sync set up for its directory file: it watches
// the outcome the sync keeps of each run and asks what a run needs of the
// user, tells of conflict copies, and starts a sync in the background after
// each save.

#include "ui/DirectoryDlg.h"

#include <filesystem>

#include "res/resource.h"
#include "ui/SyncQuestions.h"
#include "ui/SyncText.h"

namespace {

// The outcome the sync kept of its last run, as JSON; empty when none.
std::string KeptOutcome(CSyncOutcome& outcome)
{
    return CSyncOutcome::LastFor(CSyncRun::DirectoryFile(), outcome) ? outcome.ToJson() : std::string();
}

}   // namespace

BOOL CDirectoryDlg::CanAskNow() const
{
    return !m_bAsking && !m_bBusy && IsWindowEnabled();
}

void CDirectoryDlg::AfterSyncRun()
{
    if (!m_bUnsaved && m_records.HasFileChanged())
        ReloadKeepingSelection();
    CSyncOutcome kept;
    m_strSeenOutcome = KeptOutcome(kept);
}

void CDirectoryDlg::TellConflicts(const CSyncOutcome& outcome)
{
    for (const CSyncOutcome::Conflict& conflict : outcome.conflicts) {
        if (!SyncQuestions::TellConflict(conflict))
            continue;
        const CString strCopy = SyncText::FromUtf8(conflict.strCopyName);
        const int nFound
            = m_records.FindRecord([&strCopy](const CRecordFields& record) { return record.strName == strCopy; });
        if (nFound >= 0 && nFound < m_nameList.GetCount()) {
            m_nameList.SetCurSel(nFound);
            OnSelChangeNameList();
        } else {
            m_records.SeekTo(m_nameList.GetCurSel());
        }
    }
}

void CDirectoryDlg::WatchSyncOutcome()
{
    if (m_bOutcomeWatched)
        return;
    const std::filesystem::path file = CSyncOutcome::PathFor(CSyncRun::DirectoryFile());
    std::error_code error;
    if (!std::filesystem::is_directory(file.parent_path(), error))
        return;
    m_outcomeWatch.Start(CString(file.string()), [this] { return OnSyncOutcomeChanged() != FALSE; });
    m_bOutcomeWatched = TRUE;
}

BOOL CDirectoryDlg::OnSyncOutcomeChanged()
{
    if (!CanAskNow())
        return FALSE;
    CSyncOutcome outcome;
    const std::string strJson = KeptOutcome(outcome);
    if (strJson.empty() || strJson == m_strSeenOutcome)
        return TRUE;
    m_strSeenOutcome = strJson;
    if (outcome.NeedsYou() || !outcome.conflicts.empty()) {
        CSyncRun::Result result;
        result.bFound = TRUE;
        result.bReported = TRUE;
        result.outcome = outcome;
        FollowSyncOutcome(result, FALSE);
    }
    return TRUE;
}

void CDirectoryDlg::AskKeptSyncQuestion()
{
    CSyncOutcome outcome;
    m_strSeenOutcome = KeptOutcome(outcome);
    if (m_strSeenOutcome.empty() || !outcome.NeedsYou())
        return;
    CSyncRun::Result result;
    result.bFound = TRUE;
    result.bReported = TRUE;
    result.outcome = outcome;
    FollowSyncOutcome(result, FALSE);
}

void CDirectoryDlg::SyncInBackground()
{
    if (!CSyncRun::IsSetUp())
        return;
    if (m_pBackgroundSync && m_pBackgroundSync->IsRunning()) {
        m_bSyncAgain = TRUE;
        return;
    }
    m_bSyncAgain = FALSE;
    m_pBackgroundSync = CSyncRun::Start([this](const CSyncRun::Result& result) { OnBackgroundSyncEnded(result); });
}

void CDirectoryDlg::OnBackgroundSyncEnded(const CSyncRun::Result& result)
{
    m_pEndedSync = std::move(m_pBackgroundSync);
    if (m_bSyncAgain) {
        SyncInBackground();
        return;
    }
    // The list shows what it brought (unless the user is busy with a
    // change: the file watch shows it after the save).
    if (!CanAskNow()) {
        return;   // the outcome watch asks once the dialog over the window has gone
    }
    if (!m_bUnsaved && m_records.HasFileChanged())
        ReloadKeepingSelection();
    CSyncOutcome kept;
    const std::string strKept = KeptOutcome(kept);
    const bool bNew = result.bReported && (strKept.empty() || strKept != m_strSeenOutcome);
    if (bNew && (result.outcome.NeedsYou() || !result.outcome.conflicts.empty()))
        FollowSyncOutcome(result, FALSE);
    else if (bNew)
        m_strSeenOutcome = strKept;
}

void CDirectoryDlg::SyncAfterLeaving()
{
    if (!CSyncRun::IsSetUp())
        return;
    m_pBackgroundSync.reset();
    CSyncRun::StartDetached();
}
