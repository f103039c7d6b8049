// Find and Find Next of the main window: a search over every field of every
// record, starting after the selection and going round once.

#include "ui/DirectoryDlg.h"

#include <algorithm>
#include <vector>

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
    // Records that match fully (the same whole number) come before those
    // that match by digits alone, each kind in list order: the next match
    // after the selection in that order, going round once. A selection that
    // is no match is followed by the full matches.
    using EMatch = CRecordMatcher::EMatch;
    int nFirst[3] = {-1, -1, -1};   // of each kind, by EMatch
    int nAfter[3] = {-1, -1, -1};   // of each kind, after the selection
    EMatch selected = EMatch::None;
    int i = -1;
    m_records.ForEachRecord([&](const CRecordFields& record) {
        if (++i >= nListed)
            return;
        const EMatch match = matcher.Match(record);
        const auto kind = static_cast<size_t>(match);
        if (i == nSelected)
            selected = match;
        if (nFirst[kind] == -1)
            nFirst[kind] = i;
        if (i > nSelected && nAfter[kind] == -1)
            nAfter[kind] = i;
    });
    const size_t kFull = static_cast<size_t>(EMatch::Full);
    const size_t kByDigits = static_cast<size_t>(EMatch::ByDigits);
    const std::vector<int> inOrder = selected == EMatch::Full ? std::vector{nAfter[kFull], nFirst[kByDigits], nFirst[kFull]}
        : selected == EMatch::ByDigits ? std::vector{nAfter[kByDigits], nFirst[kFull], nFirst[kByDigits]}
                                       : std::vector{nAfter[kFull], nFirst[kFull], nAfter[kByDigits], nFirst[kByDigits]};
    const auto found = std::find_if(inOrder.begin(), inOrder.end(), [](int n) { return n != -1; });
    const int nMatch = found != inOrder.end() ? *found : -1;
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
