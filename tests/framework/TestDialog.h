#pragma once

#include <vector>

#include "framework/DataExchange.h"
#include "framework/Dialog.h"
#include "framework/ListBox.h"

// Ids of the test-only templates and their controls.
constexpr UINT IDD_TEST = 9001;
constexpr UINT IDD_TEST_NESTED = 9002;
constexpr UINT IDD_TEST_MISSING = 9099;
constexpr int IDC_T_TEXT = 3001;
constexpr int IDC_T_NUMBER = 3002;
constexpr int IDC_T_LIST = 3003;
constexpr int IDC_T_PUSH = 3004;
constexpr int IDC_T_OPEN = 3005;
constexpr int IDC_T_HIDDEN = 3006;
constexpr int IDC_T_NOPREFIX = 3007;
constexpr int IDC_T_PREFIX = 3008;
constexpr int IDC_T_OTHER_PUSH = 3009;
constexpr UINT IDM_T_ITEM = 0x0020;

// Adds the test templates to the program's resources (once).
void RegisterTestTemplates();

// The base of the test dialog: its own map handles IDC_T_PUSH and
// IDC_T_OTHER_PUSH, so a derived map without them shows the chain at work.
class CTestDialogBase : public CDialog
{
public:
    using CDialog::CDialog;
    const MessageMap* GetMessageMap() const override { return GetThisMessageMap(); }
    static const MessageMap* GetThisMessageMap();

    int m_nBasePushes = 0;
    int m_nBaseOtherPushes = 0;

protected:
    void OnPushBase() { ++m_nBasePushes; }
    void OnOtherPushBase() { ++m_nBaseOtherPushes; }
};

// The test-only dialog over template IDD_TEST: a limited text box, a number
// box, a list box with the sort style, push buttons, OK and Cancel. Every
// handler records what reached it.
class CTestDialog : public CTestDialogBase
{
public:
    explicit CTestDialog(UINT nTemplate = IDD_TEST, CWnd* pParent = nullptr)
        : CTestDialogBase(nTemplate, pParent)
    {
    }
    const MessageMap* GetMessageMap() const override { return GetThisMessageMap(); }
    static const MessageMap* GetThisMessageMap();

    using CDialog::UpdateData;

    CString m_strText;
    int m_nNumber = 0;
    int m_nTextLimit = 5;
    CListBox m_list;
    std::vector<CString> m_listItems;   // put into the list on opening
    int m_nInitialSelection = -1;

    BOOL m_bInitResult = TRUE;
    int m_nFocusOnInit = 0;   // control to focus in OnInitDialog
    bool m_bAppendMenuItem = false;

    int m_nOtherPushes = 0;
    int m_nSelChanges = 0;
    int m_nDblClicks = 0;
    int m_nDestroys = 0;
    int m_nOkCalls = 0;
    int m_nCancelCalls = 0;
    std::vector<UINT> m_sysCommands;
    bool m_bDestroyedWhileWindowExisted = false;
    int m_nNestedResult = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

private:
    void OnOtherPush() { ++m_nOtherPushes; }
    void OnSelChange() { ++m_nSelChanges; }
    void OnDblClk() { ++m_nDblClicks; }
    void OnDestroy();
    void OnSysCommand(UINT nID, LPARAM lParam);
    void OnOpenNested();
};
