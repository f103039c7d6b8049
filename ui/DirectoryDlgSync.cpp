// The main window's sync commands: "Sync Now", which runs dialstack-sync on
// this directory file while the window waits and tells its outcome, and
// "Set Up Sync..." / "Sync Settings...", the set-up dialog.

#include "ui/DirectoryDlg.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "base/ExitStatus.h"
#include "framework/Menu.h"
#include "framework/WinApp.h"
#include "res/resource.h"
#include "ui/LoadText.h"
#include "ui/SyncQuestions.h"
#include "ui/SyncSetupDlg.h"
#include "ui/SyncText.h"

namespace {

// Messages longer than this many lines of a program's output lose the
// earlier ones: the last lines say what went wrong.
constexpr size_t kShownLines = 5;

// The last nLines lines of text that hold more than white space.
CString LastLines(const CString& strText, size_t nLines)
{
    std::vector<std::string_view> lines;
    std::string_view text = strText.View();
    while (!text.empty()) {
        const size_t nEnd = text.find('\n');
        const std::string_view line = text.substr(0, nEnd);
        if (line.find_first_not_of(" \t\r") != std::string_view::npos)
            lines.push_back(line);
        text = nEnd == std::string_view::npos ? std::string_view() : text.substr(nEnd + 1);
    }
    std::string kept;
    for (size_t i = lines.size() > nLines ? lines.size() - nLines : 0; i < lines.size(); ++i)
        kept.append(kept.empty() ? "" : "\n").append(lines[i]);
    return CString(kept);
}

// What the user reads after the sync, and the icon it carries.
struct SyncMessage
{
    CString strText;
    UINT nIcon;
};

// A program that printed no outcome: told by its exit status and the last
// lines it wrote.
SyncMessage DescribeUnreported(const CChildProcess::Outcome& outcome, const CString& strFile)
{
    if (!outcome.bStarted)
        return {LoadText(IDS_SYNC_NOT_STARTED, {CString(CSyncRun::Program()), outcome.strFailure}),
            MB_ICONEXCLAMATION};
    if (outcome.bCancelled)
        return {LoadText(IDS_SYNC_CANCELLED), MB_ICONINFORMATION};
    const CString strWhy = LastLines(outcome.strErr, kShownLines);
    if (!outcome.bExited)
        return {LoadText(IDS_SYNC_CRASHED, {strWhy, strFile}), MB_ICONEXCLAMATION};
    switch (outcome.nExitCode) {
    case ExitStatus::kSuccess: {
        const CString strSummary = LastLines(outcome.strOut, 1);
        return {strSummary.IsEmpty() ? LoadText(IDS_SYNC_IN_STEP) : strSummary, MB_ICONINFORMATION};
    }
    case ExitStatus::kUsage:
        return {LoadText(IDS_SYNC_USAGE, {strWhy}), MB_ICONEXCLAMATION};
    case ExitStatus::kBusy:
        return {LoadText(IDS_SYNC_BUSY, {strWhy}), MB_ICONINFORMATION};
    case ExitStatus::kNeedsYou:
        return {LoadText(IDS_SYNC_NEEDS_YOU, {strWhy, strFile}), MB_ICONEXCLAMATION};
    default:
        return {LoadText(IDS_SYNC_FAILED, {strWhy}), MB_ICONEXCLAMATION};
    }
}

// "2 changes"
CString Changes(const std::array<int, 3>& done)
{
    return AfxLoadCountString(IDS_SYNC_CHANGES, done[0] + done[1] + done[2]);
}

// An outcome that needs nothing of the user, told in the window's words
// where it has them, else in the sync's.
SyncMessage DescribeReported(const CSyncOutcome& outcome)
{
    const CString strWhy = SyncText::FromUtf8(outcome.strMessage);
    switch (outcome.ExitStatus()) {
    case ExitStatus::kSuccess:
        return {LoadText(IDS_SYNC_IN_STEP_CHANGES, {Changes(outcome.doneHere), Changes(outcome.doneThere)}),
            MB_ICONINFORMATION};
    case ExitStatus::kUsage:
        return {LoadText(IDS_SYNC_USAGE, {strWhy}), MB_ICONEXCLAMATION};
    case ExitStatus::kBusy:
        return {LoadText(IDS_SYNC_BUSY, {strWhy}), MB_ICONINFORMATION};
    default:
        return {LoadText(IDS_SYNC_FAILED, {strWhy}), MB_ICONEXCLAMATION};
    }
}

}   // namespace

void CDirectoryDlg::OnSyncNow()
{
    // The sync takes the file as saved, and a window holding unsaved
    // changes keeps it out.
    if (m_bUnsaved) {
        const int nAnswer = AfxMessageBox(LoadText(IDS_SYNC_SAVE_FIRST), MB_OKCANCEL | MB_ICONQUESTION,
            {LoadText(IDS_SYNC_SAVE_AND_SYNC), LoadText(IDS_CANCEL)});
        if (nAnswer != IDOK)
            return;
        const BOOL bSaved = SaveOrExplain(IDS_SAVE_NOTHING_SYNCED);
        RefillKeepingSelection();
        if (!bSaved)
            return;
    }
    if (CSyncRun::Program().empty()) {
        AfxMessageBox(LoadText(IDS_SYNC_NOT_FOUND), MB_OK | MB_ICONEXCLAMATION, 0);
        return;
    }
    // A sync started by a save may still be at work: it is asked to stop
    // at a safe point, so that this one, which does the same work, does not
    // find the file busy.
    m_pBackgroundSync.reset();
    m_bSyncAgain = FALSE;
    m_bAsking = TRUE;
    m_bBusy = TRUE;
    const CSyncRun::Result result = CSyncRun::Run({}, std::nullopt, IDS_SYNC_WAITING);
    m_bBusy = FALSE;
    FollowSyncOutcome(result, TRUE);
    m_bAsking = FALSE;
}

void CDirectoryDlg::FollowSyncOutcome(CSyncRun::Result result, BOOL bTell)
{
    using EAction = SyncQuestions::Answer::EAction;
    const BOOL bWasAsking = m_bAsking;
    m_bAsking = TRUE;
    for (;;) {
        AfterSyncRun();
        const CSyncOutcome& outcome = result.outcome;
        if (result.bReported)
            TellConflicts(outcome);
        if (!result.bReported || !outcome.NeedsYou()) {
            if (result.bReported && outcome.kind == CSyncOutcome::EKind::kSeveralAddressBooks) {
                OnSyncSetUp();
            } else if (bTell) {
                const SyncMessage message = result.bReported
                    ? DescribeReported(outcome)
                    : DescribeUnreported(result.process, CString(CSyncRun::DirectoryFile()));
                AfxMessageBox(message.strText, MB_OK | message.nIcon, 0);
            }
            break;
        }
        const SyncQuestions::Answer answer = SyncQuestions::Ask(outcome);
        if (answer.action == EAction::kSetUp)
            OnSyncSetUp();
        if (answer.action != EAction::kRunAgain)
            break;
        m_bBusy = TRUE;
        result = CSyncRun::Run(answer.options, answer.password, IDS_SYNC_WAITING);
        m_bBusy = FALSE;
        bTell = TRUE;
    }
    m_bAsking = bWasAsking;
}

void CDirectoryDlg::OnSyncSetUp()
{
    const BOOL bWasAsking = m_bAsking;
    m_bAsking = TRUE;
    const BOOL bSettings = CSyncRun::IsSetUp();
    CSyncSetupDlg dlg(bSettings);
    CSyncOutcome last;
    if (bSettings && CSyncOutcome::LastFor(CSyncRun::DirectoryFile(), last)) {
        dlg.m_strServer = SyncText::FromUtf8(last.strCollectionUrl.empty() ? last.strUrl : last.strCollectionUrl);
        dlg.m_strUser = SyncText::FromUtf8(last.strUser);
    }
    const BOOL bDone = dlg.DoModal() == IDOK;
    WatchSyncOutcome();
    // The dialog told how its first sync went; what else it asks of the
    // user (deletions, conflicts) the window asks.
    if (bDone && dlg.m_result.bFound)
        FollowSyncOutcome(dlg.m_result, FALSE);
    else
        AfterSyncRun();
    m_bAsking = bWasAsking;
}

void CDirectoryDlg::OnInitMenuPopup(CMenu* pPopupMenu, UINT /*nIndex*/, BOOL bSysMenu)
{
    if (!bSysMenu || pPopupMenu == nullptr)
        return;
    const bool bSetUp = CSyncRun::IsSetUp() != FALSE;
    pPopupMenu->DeleteMenu(IDM_SYNC, MF_BYCOMMAND);
    pPopupMenu->DeleteMenu(IDM_SYNC_SETUP, MF_BYCOMMAND);
    CString strSyncMenu;
    if (bSetUp && strSyncMenu.LoadString(IDS_SYNC_MENU))
        pPopupMenu->InsertMenu(IDM_ABOUT, MF_BYCOMMAND | MF_STRING, IDM_SYNC, strSyncMenu);
    CString strSetUpMenu;
    if (strSetUpMenu.LoadString(bSetUp ? IDS_SYNC_SETTINGS_MENU : IDS_SYNC_SETUP_MENU))
        pPopupMenu->InsertMenu(IDM_ABOUT, MF_BYCOMMAND | MF_STRING, IDM_SYNC_SETUP, strSetUpMenu);
}
