#include "tests/framework/TestDialog.h"

#include "framework/Menu.h"
#include "framework/WinApp.h"
#include "framework/WindowStyles.h"
#include "res/ResourceTable.h"
#include "tests/support/TestApp.h"

namespace {

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;

DialogTemplate TestTemplate()
{
    return {IDD_TEST, DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU, 0, 0, 0, 220, 120, "Test Dialog",
        "MS Sans Serif", 8,
        {
            {"EDIT", IDC_T_TEXT, "", 10, 10, 100, 12, kChild | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL},
            {"EDIT", IDC_T_NUMBER, "", 10, 26, 100, 12, kChild | WS_BORDER | WS_TABSTOP},
            {"LISTBOX", IDC_T_LIST, "", 10, 42, 100, 60,
                kChild | WS_BORDER | WS_VSCROLL | WS_TABSTOP | LBS_NOTIFY | LBS_SORT | LBS_NOINTEGRALHEIGHT},
            {"BUTTON", IDC_T_PUSH, "&Push", 120, 10, 50, 14, kChild | WS_TABSTOP},
            {"BUTTON", IDC_T_OTHER_PUSH, "Other", 120, 26, 50, 14, kChild | WS_TABSTOP},
            {"BUTTON", IDC_T_OPEN, "Open", 120, 42, 50, 14, kChild | WS_TABSTOP},
            {"BUTTON", static_cast<int>(CTestApp::kCommandId), "App", 120, 58, 50, 14, kChild | WS_TABSTOP},
            {"BUTTON", IDOK, "OK", 175, 10, 40, 14, kChild | WS_TABSTOP | BS_DEFPUSHBUTTON},
            {"BUTTON", IDCANCEL, "Cancel", 175, 26, 40, 14, kChild | WS_TABSTOP},
            {"STATIC", IDC_T_NOPREFIX, "Tom & Jerry", 120, 80, 60, 8, kChild | SS_NOPREFIX},
            {"STATIC", IDC_T_PREFIX, "&Label", 120, 90, 60, 8, kChild},
            {"EDIT", IDC_T_HIDDEN, "", 120, 100, 30, 12, WS_CHILD | WS_DISABLED},
        }};
}

DialogTemplate NestedTemplate()
{
    return {IDD_TEST_NESTED, DS_MODALFRAME | WS_POPUP | WS_CAPTION, 0, 0, 0, 100, 40, "Nested", "MS Sans Serif", 8,
        {
            {"BUTTON", IDOK, "OK", 10, 10, 40, 14, kChild | WS_TABSTOP | BS_DEFPUSHBUTTON},
            {"BUTTON", IDCANCEL, "Cancel", 55, 10, 40, 14, kChild | WS_TABSTOP},
        }};
}

}   // namespace

void RegisterTestTemplates()
{
    ResourceTable::AddDialog(TestTemplate());
    ResourceTable::AddDialog(NestedTemplate());
}

const MessageMap* CTestDialogBase::GetThisMessageMap()
{
    using T = CTestDialogBase;
    static const MessageEntry<T> entries[] = {
        OnBnClickedEntry(IDC_T_PUSH, &T::OnPushBase),
        OnBnClickedEntry(IDC_T_OTHER_PUSH, &T::OnOtherPushBase),
    };
    static const TypedMessageMap<T> map(CDialog::GetThisMessageMap(), entries);
    return &map;
}

const MessageMap* CTestDialog::GetThisMessageMap()
{
    using T = CTestDialog;
    static const MessageEntry<T> entries[] = {
        OnBnClickedEntry(IDC_T_OTHER_PUSH, &T::OnOtherPush),
        OnBnClickedEntry(IDC_T_OPEN, &T::OnOpenNested),
        OnLbnSelChangeEntry(IDC_T_LIST, &T::OnSelChange),
        OnLbnDblClkEntry(IDC_T_LIST, &T::OnDblClk),
        OnSysCommandEntry(&T::OnSysCommand),
        OnDestroyEntry(&T::OnDestroy),
    };
    static const TypedMessageMap<T> map(CTestDialogBase::GetThisMessageMap(), entries);
    return &map;
}

void CTestDialog::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_T_LIST, m_list);
    DDX_Text(pDX, IDC_T_TEXT, m_strText);
    DDV_MaxChars(pDX, m_strText, m_nTextLimit);
    DDX_Text(pDX, IDC_T_NUMBER, m_nNumber);
}

BOOL CTestDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    for (size_t i = 0; i < m_listItems.size(); ++i)
        m_list.InsertString(static_cast<int>(i), m_listItems[i]);
    m_list.SetCurSel(m_nInitialSelection);
    if (m_bAppendMenuItem) {
        CMenu* menu = GetSystemMenu(FALSE);
        menu->AppendMenu(MF_SEPARATOR);
        menu->AppendMenu(MF_STRING, IDM_T_ITEM, "&Test Item");
    }
    if (m_nFocusOnInit)
        GotoDlgCtrl(GetDlgItem(m_nFocusOnInit));
    return m_bInitResult;
}

void CTestDialog::OnOK()
{
    ++m_nOkCalls;
    CDialog::OnOK();
}

void CTestDialog::OnCancel()
{
    ++m_nCancelCalls;
    CDialog::OnCancel();
}

void CTestDialog::OnDestroy()
{
    ++m_nDestroys;
    m_bDestroyedWhileWindowExisted = GetSafeHwnd() != nullptr && m_list.GetSafeHwnd() != nullptr;
    Default();
}

void CTestDialog::OnSysCommand(UINT nID, LPARAM lParam)
{
    m_sysCommands.push_back(nID);
    if ((nID & 0xFFF0) != IDM_T_ITEM)
        CWnd::Default();
    (void)lParam;
}

void CTestDialog::OnOpenNested()
{
    CDialog nested(IDD_TEST_NESTED);
    m_nNestedResult = nested.DoModal();
}
