#pragma once

#include "data/RecordFields.h"
#include "framework/Dialog.h"

// What "Add Record" and "Edit Item" share: the five boxes of one record,
// exchanged with m_fields, each limited to its length, and OK only with a
// name that is not blank. The name check trims only a copy of the box's
// text: the exchange stores the name as typed.
class CRecordEntryDlg : public CDialog
{
public:
    CRecordFields m_fields;

protected:
    CRecordEntryDlg(UINT nIDTemplate, CWnd* pParent);

    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;

private:
    // TRUE when the name box holds more than white space; otherwise tells
    // the user that a name is needed.
    BOOL NameGivenOrTellUser();
};
