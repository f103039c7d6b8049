#pragma once

#include "ui/RecordEntryDlg.h"

// "Edit Item": the five fields of one record, opened with the focus in the
// box the caller asks for.
class CEditItemDlg : public CRecordEntryDlg
{
public:
    explicit CEditItemDlg(CWnd* pParent = nullptr);

    // Id of the edit box that has the focus when the dialog opens.
    int m_nFocusId;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
};
