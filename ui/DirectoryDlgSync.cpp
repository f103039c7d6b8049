// "Sync Now" of the main window: dialstack-sync runs as a child process on
// this directory file while the window waits, and its outcome is told in
// one message.

#include "ui/DirectoryDlg.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "data/DirectoryFormat.h"
#include "framework/ChildProcess.h"
#include "framework/WinApp.h"
#include "res/resource.h"
#include "ui/LoadText.h"

namespace {

// The sync's exit statuses.
constexpr int kSynced = 0;
constexpr int kBadUsage = 2;
constexpr int kBusy = 3;
constexpr int kNeedsYou = 4;

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

SyncMessage DescribeOutcome(const CChildProcess::Outcome& outcome, const CString& strProgram, const CString& strFile)
{
    if (!outcome.bStarted)
        return {LoadText(IDS_SYNC_NOT_STARTED, {strProgram, outcome.strFailure}), MB_ICONEXCLAMATION};
    if (outcome.bCancelled)
        return {LoadText(IDS_SYNC_CANCELLED), MB_ICONINFORMATION};
    const CString strWhy = LastLines(outcome.strErr, kShownLines);
    if (!outcome.bExited)
        return {LoadText(IDS_SYNC_CRASHED, {strWhy, strFile}), MB_ICONEXCLAMATION};
    switch (outcome.nExitCode) {
    case kSynced: {
        const CString strSummary = LastLines(outcome.strOut, 1);
        return {strSummary.IsEmpty() ? LoadText(IDS_SYNC_IN_STEP) : strSummary, MB_ICONINFORMATION};
    }
    case kBadUsage:
        return {LoadText(IDS_SYNC_USAGE, {strWhy}), MB_ICONEXCLAMATION};
    case kBusy:
        return {LoadText(IDS_SYNC_BUSY, {strWhy}), MB_ICONINFORMATION};
    case kNeedsYou:
        return {LoadText(IDS_SYNC_NEEDS_YOU, {strWhy, strFile}), MB_ICONEXCLAMATION};
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
    const std::string program = CChildProcess::FindProgram("dialstack-sync", "DIALSTACK_SYNC_PROGRAM");
    if (program.empty()) {
        AfxMessageBox(LoadText(IDS_SYNC_NOT_FOUND), MB_OK | MB_ICONEXCLAMATION, 0);
        return;
    }
    std::error_code error;
    std::filesystem::path file = std::filesystem::absolute(DirectoryFormat::kDirectoryFileName, error);
    if (error)
        file = DirectoryFormat::kDirectoryFileName;
    m_bBusy = TRUE;
    const CChildProcess::Outcome outcome = CChildProcess::RunModal(
        program, {"--file", file.string()}, LoadText(IDS_SYNC_WAITING), LoadText(IDS_CANCEL));
    m_bBusy = FALSE;
    // Whatever the sync got to, the list shows the file as it is now.
    if (m_records.HasFileChanged())
        ReloadKeepingSelection();
    const SyncMessage message = DescribeOutcome(outcome, CString(program), CString(file.string()));
    AfxMessageBox(message.strText, MB_OK | message.nIcon, 0);
}
