#pragma once

#include <vector>

#include "framework/Wnd.h"

// A list box control. Entries are only ever placed at explicit positions and
// are never re-sorted, whatever style the template gives the box. Changes of
// selection made by the program raise no LBN_SELCHANGE; changes by the user
// (mouse or keyboard) raise one each; a double-click anywhere in the box
// raises LBN_DBLCLK.
class CListBox : public CWnd
{
public:
    int GetCount() const;
    // Inserts at nIndex (-1: at the end); returns the position used, or LB_ERR.
    int InsertString(int nIndex, LPCTSTR lpszItem);
    // The same for a text that may hold zero bytes, which it keeps.
    int InsertString(int nIndex, const CString& strItem);
    void ResetContent();
    // Returns the remaining count, or LB_ERR for a bad index. Afterwards
    // nothing is selected.
    int DeleteString(UINT nIndex);
    // The selected position, or LB_ERR (-1) when nothing is selected.
    int GetCurSel() const;
    // Selects nSelect (-1 clears the selection); returns LB_ERR when the
    // position does not exist or on -1.
    int SetCurSel(int nSelect);
    void GetText(int nIndex, CString& rString) const;

    // Has a screen reader read entry i as "labels[i]: its text", for a box
    // whose rows each show one kind of thing.
    void SetRowLabels(const std::vector<CString>& labels);
};
