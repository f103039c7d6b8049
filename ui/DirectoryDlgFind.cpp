// Find and Find Next of the main window: a search over every field of every
// record, starting after the selection and going round once.

#include "ui/DirectoryDlg.h"

#include <string>

#include "data/RecordMatcher.h"
#include "framework/WinApp.h"
#include "ui/FindDlg.h"

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
    int nAfter = -1;   // the first match after the selection
    int nUpTo = -1;   // the first match up to and including it
    int i = 0;
    m_records.ForEachRecord([&](const CRecordFields& record) {
        int& nFound = i > nSelected ? nAfter : nUpTo;
        if (i < nListed && nFound == -1 && nAfter == -1 && matcher.Matches(record))
            nFound = i;
        ++i;
    });
    const int nMatch = nAfter != -1 ? nAfter : nUpTo;
    if (nMatch == -1) {
        const std::string text = std::string("Nothing in the directory matches \"") + m_strLastFind.GetString() + "\".";
        AfxMessageBox(text.c_str(), MB_OK, 0);
        return;
    }
    m_nameList.SetCurSel(nMatch);
    OnSelChangeNameList();
}
