#pragma once

#include "framework/Dialog.h"
#include "framework/ListBox.h"
#include "data/DirectoryLock.h"
#include "data/RecordList.h"

// The main window: the name list in directory order, the selected record's
// four details, and the commands that change, save, reload and print the
// directory. Entry i of the name list is always record i of m_records, and
// while a name is selected the record list's cursor stands on its record.
class CDirectoryDlg : public CDialog
{
public:
    explicit CDirectoryDlg(CWnd* pParent = nullptr);
    ~CDirectoryDlg() override;

    const MessageMap* GetMessageMap() const override { return GetThisMessageMap(); }
    static const MessageMap* GetThisMessageMap();

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

    void OnSysCommand(UINT nID, LPARAM lParam);
    void OnDestroy();
    void OnPaint();
    HCURSOR OnQueryDragIcon();
    void OnAddName();
    void OnDeleteName();
    void OnSelChangeNameList();
    void OnSaveNow();
    void OnSaveQuit();
    void OnUndoChanges();
    void OnEditName();
    void OnDblclkNameList();
    void OnDblclkDetailList();
    void OnPrint();
    // Ctrl+F and the window menu's "Find...": asks what to look for, then
    // selects the next record that matches it. F3: the next match of the
    // last search (asks first when there has been none).
    void OnFind();
    void OnFindNext();

private:
    // Tests read the record list to check that the screen and the cursor
    // agree with it.
    friend struct DirectoryDlgProbe;

    void FillNameList();
    void ShowDetails();
    void RefillKeepingSelection();
    // Selects, as a click would, the first record after the selected one
    // that matches m_strLastFind, going round once from the top and ending
    // with the selected record itself; says so when none does.
    void SelectNextMatch();

    // Takes the window's shared hold on the directory file unless it has it,
    // so that no command-line writer changes the file while the window is
    // open. FALSE, with the reason, while a writer holds the file.
    BOOL HoldDirectoryFile(CString& strWhy);
    // The same, telling the user when a writer is changing the file now.
    void LockOrWarn();
    // Loads the directory file and, when it could not be read whole, says so
    // once, so that nobody overwrites a damaged file without knowing.
    void LoadAndWarn();
    // Saves the directory; on failure tells the user why. When the file on
    // disk changed since it was loaded or saved, asks first. TRUE when saved.
    BOOL SaveOrExplain(LPCTSTR lpszConsequence);
    // Asks whether to replace a file another program changed; TRUE for Yes.
    BOOL ConfirmReplacingChangedFile();

    CListBox m_detailList;
    CListBox m_nameList;
    HICON m_hIcon;
    CRecordList m_records;
    int m_nEditFocusId;
    // Held from the first load until the window closes.
    CDirectoryLock m_lock;
    CString m_strLastFind;   // what the last search looked for
};
