// Find and Find Next of the main window: a search over every field of every
// record, starting after the selection and going round once.

#include "ui/DirectoryDlg.h"

#include "data/RecordMatcher.h"
#include "framework/WinApp.h"
#include "res/resource.h"
#include "ui/FindDlg.h"
#include "ui/LoadText.h"

void CDirectoryDlg::OnFind()
{
    CFindDlg dlg;
    dlg.m_strFind = m_strLastFind;
    if (dlg.DoModal() != IDOK)
        return;
    m_strLastFind = dlg.m_strFind;
    SelectNextMatch();
}

void CDirectoryDlg::OnFindNext()
{
    if (m_strLastFind.IsEmpty())
        OnFind();
    else
        SelectNextMatch();
}

void CDirectoryDlg::SelectNextMatch()
{
    const CRecordMatcher matcher(m_strLastFind);
    // Only listed records: the blank record of an empty directory is none.
    const int nListed = m_nameList.GetCount();
    const int nSelected = m_nameList.GetCurSel();
    int nUpTo = -1;   // the first match up to and including the selection
    int i = -1;
    // The first match after the selection ends the walk.
    const int nAfter = m_records.FindRecord([&](const CRecordFields& record) {
        ++i;
        if (i >= nListed)
            return false;
        if (i > nSelected)
            return matcher.Matches(record);
        if (nUpTo == -1 && matcher.Matches(record))
            nUpTo = i;
        return false;
    });
    const int nMatch = nAfter != -1 ? nAfter : nUpTo;
    if (nMatch == -1) {
        AfxMessageBox(LoadText(IDS_FIND_NO_MATCH, {m_strLastFind}), MB_OK | MB_ICONINFORMATION, 0);
        return;
    }
    // Going round to the record already selected finds nothing new: say
    // so, or a screen reader would say nothing at all.
    if (nMatch == nSelected) {
        AfxMessageBox(LoadText(IDS_FIND_ONLY_MATCH, {m_strLastFind}), MB_OK | MB_ICONINFORMATION, 0);
        return;
    }
    m_nameList.SetCurSel(nMatch);
    OnSelChangeNameList();
}
