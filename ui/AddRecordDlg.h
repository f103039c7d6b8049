#pragma once

#include "ui/RecordEntryDlg.h"

// "Add Record": five empty boxes for a new record.
class CAddRecordDlg : public CRecordEntryDlg
{
public:
    explicit CAddRecordDlg(CWnd* pParent = nullptr);
};
