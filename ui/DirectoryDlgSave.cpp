// The main window's dealings with the directory file and the printer:
// holding the file against other writers while changes are unsaved,
// loading, saving and printing it.

#include "ui/DirectoryDlg.h"

#include "data/DirectoryFormat.h"
#include "framework/WinApp.h"
#include "printer/PrinterPort.h"
#include "res/resource.h"
#include "ui/LoadText.h"

namespace {

using DirectoryFormat::kDirectoryFileName;

// How long a change waits for a command-line writer that holds the file:
// long enough for a sync or an import to write a directory, short enough
// not to keep the user waiting.
constexpr int kWriterWaitMilliseconds = 2000;

// A reason as a sentence of a message: never empty, ending in a full stop.
CString AsSentence(CString strReason)
{
    if (strReason.IsEmpty())
        strReason = LoadText(IDS_UNKNOWN_ERROR);
    if (strReason.View().back() != '.')
        strReason += ".";
    return strReason;
}

// Why a save failed, what that means for the user (the string
// nConsequenceId), and whether the file on disk is as it was.
void TellSaveFailed(const CString& strWhy, UINT nConsequenceId, BOOL bFileUnchanged)
{
    const CString text = LoadText(bFileUnchanged ? IDS_SAVE_FAILED_FILE_UNCHANGED : IDS_SAVE_FAILED,
        {kDirectoryFileName, AsSentence(strWhy), LoadText(nConsequenceId)});
    AfxMessageBox(text, MB_OK | MB_ICONEXCLAMATION, 0);
}

// One detail line of the listing; a field counts as empty only when it has
// no characters at all, so a field of blanks is printed.
void PrintLineUnlessEmpty(CPrinterPort& port, LPCTSTR lpszLead, const CString& strField)
{
    if (!strField.IsEmpty())
        port << lpszLead << strField << '\n';
}

}   // namespace

BOOL CDirectoryDlg::HoldDirectoryFile(CString& strWhy)
{
    // A folder that takes no lock file is given the hold without one: it
    // takes no writer's new file either.
    if (m_lock.IsHeld())
        return TRUE;
    const auto take = [this, &strWhy] {
        return m_lock.TryAcquire(kDirectoryFileName, CDirectoryLock::Kind::Shared, strWhy);
    };
    // The file watch must not reload under the change that is waiting.
    m_bBusy = TRUE;
    const BOOL bHeld = AfxWaitWithEvents(take, kWriterWaitMilliseconds);
    m_bBusy = FALSE;
    return bHeld;
}

BOOL CDirectoryDlg::BeginChange(BOOL bOnSelection)
{
    if (m_bUnsaved)
        return TRUE;   // held since the first unsaved change
    CString strWhy;
    if (!HoldDirectoryFile(strWhy)) {
        AfxMessageBox(LoadText(IDS_WRITER_AT_WORK), MB_OK | MB_ICONEXCLAMATION, 0);
        return FALSE;
    }
    // A writer finished just now: the change applies to what it wrote, so
    // that neither is lost.
    if (m_records.HasFileChanged() && !ReloadKeepingSelection() && bOnSelection) {
        EndChange(FALSE);
        return FALSE;
    }
    return TRUE;
}

void CDirectoryDlg::EndChange(BOOL bChanged)
{
    if (bChanged)
        m_bUnsaved = TRUE;
    if (!m_bUnsaved)
        m_lock.Release();
}

void CDirectoryDlg::ForgetChanges()
{
    m_bUnsaved = FALSE;
    m_lock.Release();
}

void CDirectoryDlg::LoadAndWarn()
{
    m_records.Load();
    if (m_records.IsLoadComplete())
        return;
    const CString strRead = AfxLoadCountString(IDS_RECORDS_SHOWN, m_records.GetLoadedRecordCount());
    const CString strOpenError = m_records.GetLoadError();
    const CString text = strOpenError.IsEmpty()
        ? LoadText(IDS_LOAD_INCOMPLETE, {kDirectoryFileName, strRead})
        : LoadText(IDS_LOAD_FAILED, {kDirectoryFileName, AsSentence(strOpenError), strRead});
    AfxMessageBox(text, MB_OK | MB_ICONEXCLAMATION, 0);
}

BOOL CDirectoryDlg::SaveOrExplain(UINT nConsequenceId)
{
    // A command-line writer at work would have its new file replaced by
    // this one, so the window waits briefly for it to finish, and otherwise
    // saves nothing; the changed-file question below protects what it wrote.
    CString strWhy;
    if (!HoldDirectoryFile(strWhy)) {
        TellSaveFailed(strWhy, nConsequenceId, TRUE);
        return FALSE;
    }
    if (m_records.HasFileChanged() && !ConfirmReplacingChangedFile()) {
        EndChange(FALSE);
        return FALSE;
    }
    if (m_records.Save()) {
        ForgetChanges();
        const CString strWarning = m_records.GetLastSaveWarning();
        if (!strWarning.IsEmpty()) {
            AfxMessageBox(LoadText(IDS_SAVED_WITH_WARNING, {kDirectoryFileName, AsSentence(strWarning)}),
                MB_OK | MB_ICONEXCLAMATION, 0);
        }
        return TRUE;
    }
    TellSaveFailed(m_records.GetLastSaveError(), nConsequenceId, m_records.IsOldFileIntact());
    EndChange(FALSE);
    return FALSE;
}

BOOL CDirectoryDlg::ConfirmReplacingChangedFile()
{
    const int nAnswer = AfxMessageBox(
        LoadText(IDS_REPLACE_CHANGED_FILE, {kDirectoryFileName}), MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2, 0);
    return nAnswer == IDYES;
}

void CDirectoryDlg::OnPrint()
{
    CPrinterPort port("Dialstack listing");
    port << "\t\tQuillaven Dialstack\n";
    port << "\t\t\"No Frills\" Record Listing\n\n";

    m_records.ForEachRecord([&port](const CRecordFields& record) {
        port << '\t' << record.strName << '\n';
        PrintLineUnlessEmpty(port, "\tPhone: ", record.strPhone);
        PrintLineUnlessEmpty(port, "\tPager: ", record.strPager);
        PrintLineUnlessEmpty(port, "\tEmail: ", record.strEmail);
        PrintLineUnlessEmpty(port, "\t\t", record.strMisc);
        port << '\n';
    });
    port << '\f';

    const BOOL bPrinted = port.Close();
    m_records.SeekTo(m_nameList.GetCurSel());
    if (!bPrinted) {
        AfxMessageBox(LoadText(IDS_PRINT_FAILED, {AsSentence(port.GetErrorText())}), MB_OK | MB_ICONEXCLAMATION, 0);
    }
}
