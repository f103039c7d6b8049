#include "ui/DirectoryDlg.h"

#include <algorithm>
#include <iterator>
#include <vector>

#include "data/DirectoryFormat.h"
#include "framework/Accelerators.h"
#include "ui/AboutDlg.h"
#include "framework/DataExchange.h"
#include "framework/Menu.h"
#include "framework/PaintDC.h"
#include "framework/WinApp.h"
#include "res/resource.h"
#include "ui/AddRecordDlg.h"
#include "ui/EditItemDlg.h"
#include "ui/LoadText.h"

namespace {

using DirectoryFormat::kDirectoryFileName;

// The rows of the detail list, top to bottom: the label shown beside each
// row (and spoken with it), the field it shows, and the entry box that a
// double-click on it focuses in "Edit Item".
struct DetailRow
{
    UINT nLabelId;
    CString CRecordFields::*pField;
    int nEditBoxId;
};

constexpr DetailRow kDetailRows[] = {
    {IDS_DETAIL_PHONE, &CRecordFields::strPhone, IDC_PHONE},
    {IDS_DETAIL_PAGER, &CRecordFields::strPager, IDC_PAGER},
    {IDS_DETAIL_EMAIL, &CRecordFields::strEmail, IDC_EMAIL},
    {IDS_DETAIL_MISC, &CRecordFields::strMisc, IDC_MISC},
};
constexpr int kDetailRowCount = static_cast<int>(std::size(kDetailRows));

}   // namespace

CDirectoryDlg::CDirectoryDlg(CWnd* pParent)
    : CDialog(IDD_MAIN, pParent)
    , m_hIcon(AfxGetApp()->LoadIcon(IDI_MAIN))
    , m_nEditFocusId(-1)
{
}

CDirectoryDlg::~CDirectoryDlg() = default;

const MessageMap* CDirectoryDlg::GetThisMessageMap()
{
    using T = CDirectoryDlg;
    static const MessageEntry<T> entries[] = {
        OnSysCommandEntry(&T::OnSysCommand),
        OnDestroyEntry(&T::OnDestroy),
        OnPaintEntry(&T::OnPaint),
        OnQueryDragIconEntry(&T::OnQueryDragIcon),
        OnBnClickedEntry(IDC_ADD_NAME, &T::OnAddName),
        OnBnClickedEntry(IDC_DELETE_NAME, &T::OnDeleteName),
        OnLbnSelChangeEntry(IDC_NAME_LIST, &T::OnSelChangeNameList),
        OnBnClickedEntry(IDC_SAVE_NOW, &T::OnSaveNow),
        OnBnClickedEntry(IDC_SAVE_QUIT, &T::OnSaveQuit),
        OnBnClickedEntry(IDC_UNDO, &T::OnUndoChanges),
        OnBnClickedEntry(IDC_EDIT_NAME, &T::OnEditName),
        OnLbnDblClkEntry(IDC_NAME_LIST, &T::OnDblclkNameList),
        OnLbnDblClkEntry(IDC_DETAIL_LIST, &T::OnDblclkDetailList),
        OnBnClickedEntry(IDC_PRINT, &T::OnPrint),
        OnCommandEntry(ID_EDIT_FIND, &T::OnFind),
        OnCommandEntry(ID_EDIT_REPEAT, &T::OnFindNext),
    };
    static const TypedMessageMap<T> map(CDialog::GetThisMessageMap(), entries);
    return &map;
}

void CDirectoryDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_DETAIL_LIST, m_detailList);
    DDX_Control(pDX, IDC_NAME_LIST, m_nameList);
}

BOOL CDirectoryDlg::OnInitDialog()
{
    CDialog::OnInitDialog();

    CMenu* pSysMenu = GetSystemMenu(FALSE);
    CString strFindMenu;
    CString strAboutMenu;
    strFindMenu.LoadString(IDS_FIND_MENU);
    strAboutMenu.LoadString(IDS_ABOUT_MENU);
    if (pSysMenu && (!strFindMenu.IsEmpty() || !strAboutMenu.IsEmpty())) {
        pSysMenu->AppendMenu(MF_SEPARATOR);
        if (!strFindMenu.IsEmpty())
            pSysMenu->AppendMenu(MF_STRING, IDM_FIND, strFindMenu);
        if (!strAboutMenu.IsEmpty())
            pSysMenu->AppendMenu(MF_STRING, IDM_ABOUT, strAboutMenu);
    }
    CAccelerators::Attach(this, {{"Ctrl+F", ID_EDIT_FIND}, {"F3", ID_EDIT_REPEAT}});

    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));

    // Read to a screen reader with their labels ("Phone: 555 0100").
    std::vector<CString> labels;
    for (const DetailRow& row : kDetailRows)
        labels.push_back(LoadText(row.nLabelId));
    m_detailList.SetRowLabels(labels);

    LoadAndWarn();
    FillNameList();
    m_nEditFocusId = -1;
    m_fileWatch.Start(kDirectoryFileName, [this] { return OnDirectoryFileChanged() != FALSE; });
    WatchSyncOutcome();
    AskKeptSyncQuestion();
    return TRUE;
}

void CDirectoryDlg::FillNameList()
{
    m_records.SeekTo(0);
    m_nameList.ResetContent();
    if (m_records.GetName().IsEmpty())
        return;   // the empty directory: nothing listed, nothing selected

    int i = 0;
    m_records.ForEachRecord([this, &i](const CRecordFields& record) { m_nameList.InsertString(i++, record.strName); });
    m_nameList.SetCurSel(0);
    ShowDetails();
}

void CDirectoryDlg::ShowDetails()
{
    m_detailList.ResetContent();
    const CRecordFields record = m_records.GetFields();
    for (int i = 0; i < kDetailRowCount; ++i)
        m_detailList.InsertString(i, record.*kDetailRows[i].pField);
}

void CDirectoryDlg::RefillKeepingSelection()
{
    const int nSelected = m_nameList.GetCurSel();
    FillNameList();
    m_nameList.SetCurSel(nSelected);
    m_records.SeekTo(nSelected);
    ShowDetails();
}

BOOL CDirectoryDlg::ReloadKeepingSelection()
{
    const int nSelected = m_nameList.GetCurSel();
    CRecordFields selected;
    if (nSelected != LB_ERR) {
        m_records.SeekTo(nSelected);
        selected = m_records.GetFields();
    }
    LoadAndWarn();
    FillNameList();
    const int nListed = m_nameList.GetCount();
    if (nSelected == LB_ERR || nListed == 0)
        return FALSE;
    int nFound = m_records.FindRecord([&selected](const CRecordFields& record) { return record == selected; });
    if (nFound == -1)
        nFound = m_records.FindRecord(
            [&selected](const CRecordFields& record) { return record.strName == selected.strName; });
    const BOOL bSameRecord = nFound != -1 && nFound < nListed;
    m_nameList.SetCurSel(bSameRecord ? nFound : std::min(nSelected, nListed - 1));
    OnSelChangeNameList();
    return bSameRecord;
}

BOOL CDirectoryDlg::OnDirectoryFileChanged()
{
    // A first sync from the command line makes the folder of its outcome.
    WatchSyncOutcome();
    if (m_bUnsaved)
        return TRUE;
    if (m_bBusy || !IsWindowEnabled())
        return FALSE;
    if (m_records.HasFileChanged())
        ReloadKeepingSelection();
    return TRUE;
}

void CDirectoryDlg::OnSelChangeNameList()
{
    m_records.SeekTo(m_nameList.GetCurSel());
    ShowDetails();
}

void CDirectoryDlg::OnDeleteName()
{
    if (!BeginChange(TRUE))
        return;
    const int nSelected = m_nameList.GetCurSel();
    if (nSelected != LB_ERR) {
        m_records.DeleteAt(nSelected);
        m_nameList.DeleteString(static_cast<UINT>(nSelected));
    }
    m_detailList.ResetContent();
    EndChange(nSelected != LB_ERR);
}

void CDirectoryDlg::OnSaveNow()
{
    const BOOL bSaved = SaveOrExplain(IDS_SAVE_KEEPS_CHANGES);
    RefillKeepingSelection();
    if (bSaved)
        SyncInBackground();
}

void CDirectoryDlg::OnCancel()
{
    if (!m_bUnsaved) {
        CDialog::OnCancel();
        return;
    }
    const int nAnswer = AfxMessageBox(LoadText(IDS_LEAVE_QUESTION), MB_YESNOCANCEL | MB_ICONQUESTION,
        {LoadText(IDS_LEAVE_SAVE), LoadText(IDS_LEAVE_DISCARD), LoadText(IDS_LEAVE_STAY)});
    if (nAnswer == IDNO)
        CDialog::OnCancel();
    else if (nAnswer == IDYES)
        OnSaveQuit();
}

void CDirectoryDlg::OnSaveQuit()
{
    if (!SaveOrExplain(IDS_SAVE_STAYS_OPEN)) {
        // Saving walked the cursor to the end: put it back on the selection.
        RefillKeepingSelection();
        return;
    }
    SyncAfterLeaving();
    CDialog::OnOK();
}

void CDirectoryDlg::OnUndoChanges()
{
    LoadAndWarn();
    FillNameList();
    ForgetChanges();
}








void CDirectoryDlg::OnSysCommand(UINT nID, LPARAM /*lParam*/)
{
    if ((nID & 0xFFF0) == IDM_ABOUT) {
        CAboutDlg dlgAbout;
        dlgAbout.DoModal();
    } else if ((nID & 0xFFF0) == IDM_FIND) {
        OnFind();
    } else if ((nID & 0xFFF0) == IDM_SYNC) {
        OnSyncNow();
    } else if ((nID & 0xFFF0) == IDM_SYNC_SETUP) {
        OnSyncSetUp();
    } else {
        Default();
    }
}


void CDirectoryDlg::OnPaint()
{
    if (!IsIconic()) {
        Default();
        return;
    }
    CPaintDC dc(this);
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
    const int cxIcon = GetSystemMetrics(SM_CXICON);
    const int cyIcon = GetSystemMetrics(SM_CYICON);
    CRect rect;
    GetClientRect(&rect);
    const int x = (rect.Width() - cxIcon + 1) / 2;
    const int y = (rect.Height() - cyIcon + 1) / 2;
    dc.DrawIcon(x, y, m_hIcon);
}

HCURSOR CDirectoryDlg::OnQueryDragIcon()
{
    return m_hIcon;
}

void CDirectoryDlg::OnDestroy()
{
    WinHelp(0L, HELP_QUIT);
    m_fileWatch.Stop();
    m_outcomeWatch.Stop();
    // A sync still at work is asked to stop at a safe point.
    m_pBackgroundSync.reset();
    ForgetChanges();
    Default();
}

void CDirectoryDlg::OnAddName()
{
    if (!BeginChange(FALSE))
        return;
    CAddRecordDlg dlg;
    const BOOL bAdded = dlg.DoModal() == IDOK;
    if (bAdded) {
        m_records.Append(dlg.m_fields);
        FillNameList();
    }
    EndChange(bAdded);
}

void CDirectoryDlg::OnEditName()
{
    const int nFocusId = m_nEditFocusId == -1 ? IDC_NAME : m_nEditFocusId;
    m_nEditFocusId = -1;
    if (!BeginChange(TRUE))
        return;
    CEditItemDlg dlg;
    dlg.m_fields = m_records.GetFields();
    dlg.m_nFocusId = nFocusId;

    BOOL bChanged = FALSE;
    if (dlg.DoModal() == IDOK) {
        bChanged = dlg.m_fields != m_records.GetFields();
        m_records.SetFields(dlg.m_fields);
        RefillKeepingSelection();
    }
    EndChange(bChanged);
}

void CDirectoryDlg::OnDblclkNameList()
{
    m_nEditFocusId = IDC_NAME;
    OnEditName();
}

void CDirectoryDlg::OnDblclkDetailList()
{
    // No line selected: the name box, as for Edit Name.
    const int nRow = m_detailList.GetCurSel();
    if (nRow >= 0 && nRow < kDetailRowCount)
        m_nEditFocusId = kDetailRows[nRow].nEditBoxId;
    OnEditName();
}

