#pragma once

#include <memory>
#include <string>

#include "framework/ChildProcess.h"
#include "framework/Dialog.h"
#include "framework/FileWatch.h"
#include "framework/ListBox.h"
#include "data/DirectoryLock.h"
#include "data/RecordList.h"
#include "ui/SyncRun.h"

// The main window: the name list in directory order, the selected record's
// four details, and the commands that change, save, reload, print and sync
// the directory. Entry i of the name list is always record i of m_records,
// and while a name is selected the record list's cursor stands on its
// record.
//
// The window shares the directory file with command-line writers
// (dialstack-sync, dialstack-convert import). It keeps them out, with its
// shared lock, only while it holds changes not yet saved: the lock is taken
// before the first change begins and given back by a save, Undo Changes or
// leaving. With nothing unsaved it watches the file and shows what a writer
// wrote by itself, keeping the selection on the same record.
//
// With a sync set up it also watches the outcome the sync keeps of its last
// run (the timer's, or one the window started) and asks the user, in the
// window, whatever that run needs of them; each save starts a sync in the
// background.
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
    // Offers Sync Now and Sync Settings exactly while this directory file
    // has a sync set up (a first sync run beside the open window adds
    // them), Set Up Sync otherwise.
    void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu) override;
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
    // The window menu's "Sync Now": runs dialstack-sync on this directory
    // file (saving first, when the user agrees) and shows its outcome.
    void OnSyncNow();
    // "Set Up Sync..." and "Sync Settings...": the set-up dialog, then what
    // its last sync asks of the user.
    void OnSyncSetUp();
    // Escape, Close and the close box: with changes not saved, asks whether
    // to save them, leave without them or stay.
    void OnCancel() override;

private:
    // Shows what a sync run came to: the questions it asks of the user,
    // each answered by running it again as the answer says, the conflict
    // copies it kept; with bTell (or once the user has answered) also how
    // it ended. Never two at once: while it runs, the outcome watch waits.
    void FollowSyncOutcome(CSyncRun::Result result, BOOL bTell);
    // After a sync run: the list shows the file as it is now, and the
    // outcome it kept counts as seen.
    void AfterSyncRun();
    void TellConflicts(const CSyncOutcome& outcome);
    // Watches the file of the sync's outcome, once its folder exists.
    void WatchSyncOutcome();
    // The outcome watch's call: asks what a new outcome needs of the user.
    // FALSE to be asked again later, while a dialog is open.
    BOOL OnSyncOutcomeChanged();
    // On opening: asks again what the kept outcome still needs of the user.
    void AskKeptSyncQuestion();
    BOOL CanAskNow() const;
    // After a save, with a sync set up: a sync in the background, a second
    // one after it when a save comes while it runs.
    void SyncInBackground();
    void OnBackgroundSyncEnded(const CSyncRun::Result& result);
    // Save / Quit: a sync that goes on after the window has closed.
    void SyncAfterLeaving();

    // Tests read the record list to check that the screen and the cursor
    // agree with it.
    friend struct DirectoryDlgProbe;

    void FillNameList();
    void ShowDetails();
    void RefillKeepingSelection();
    // Loads the file again and selects the record that was selected: the
    // one with the same fields, else the same name, else the one at the same
    // position. FALSE when it was found by position only (or not at all).
    BOOL ReloadKeepingSelection();
    // The file watch's call: shows a file a writer replaced, unless the
    // window has changes of its own (its save asks before replacing the
    // file). FALSE to be asked again later, while a dialog is open over the
    // window.
    BOOL OnDirectoryFileChanged();
    // Selects, as a click would, the first record after the selected one
    // that matches m_strLastFind, going round once from the top and ending
    // with the selected record itself; says so when none does.
    void SelectNextMatch();

    // Takes the window's shared hold on the directory file unless it has it,
    // waiting briefly for a writer that is at work. FALSE, with the reason,
    // while a writer still holds the file.
    BOOL HoldDirectoryFile(CString& strWhy);
    // Before a change (Add, Edit, Delete): holds the file (or tells the user
    // that a writer is at work, and returns FALSE); when the file changed
    // since it was read, loads it first, keeping the selection. With
    // bOnSelection the change is to the selected record: FALSE when that
    // record is no longer in the file.
    BOOL BeginChange(BOOL bOnSelection);
    // After it: bChanged marks the directory unsaved; without any unsaved
    // change the hold is given back.
    void EndChange(BOOL bChanged);
    // After a save or a reload: nothing is unsaved, writers may come in.
    void ForgetChanges();
    // Loads the directory file and, when it could not be read whole, says so
    // once, so that nobody overwrites a damaged file without knowing.
    void LoadAndWarn();
    // Saves the directory; on failure tells the user why. When the file on
    // disk changed since it was loaded or saved, asks first. TRUE when saved.
    // The string nConsequenceId says what a failure means for the user.
    BOOL SaveOrExplain(UINT nConsequenceId);
    // Asks whether to replace a file another program changed; TRUE for Yes.
    BOOL ConfirmReplacingChangedFile();

    CListBox m_detailList;
    CListBox m_nameList;
    HICON m_hIcon;
    CRecordList m_records;
    int m_nEditFocusId;
    // Held while a change is being made or any change is unsaved.
    CDirectoryLock m_lock;
    BOOL m_bUnsaved = FALSE;
    // TRUE while a command runs that must not see the list reloaded under it.
    BOOL m_bBusy = FALSE;
    CFileWatch m_fileWatch;
    CString m_strLastFind;   // what the last search looked for
    CFileWatch m_outcomeWatch;
    BOOL m_bOutcomeWatched = FALSE;
    // The last outcome of the sync the window has shown or asked about, as
    // JSON: it is never asked about twice.
    std::string m_strSeenOutcome;
    // TRUE while the window asks about a sync's outcome.
    BOOL m_bAsking = FALSE;
    std::unique_ptr<CChildProcess::CBackground> m_pBackgroundSync;
    // The run that ended last, kept until the next so that it is not
    // destroyed while it tells of its end.
    std::unique_ptr<CChildProcess::CBackground> m_pEndedSync;
    BOOL m_bSyncAgain = FALSE;
};
