#pragma once

#include <string>
#include <vector>

#include "framework/Dialog.h"
#include "framework/ListBox.h"
#include "ui/SyncRun.h"

// "Set Up Sync" and, once a sync is set up, "Sync Settings": the server's
// address, the user name and the password. Connect looks for the address
// books there; with several the user picks one from the list and presses
// Connect again. Then the first sync runs, keeping the password, and the
// dialog says where it was kept and offers the quarter-hourly sync.
// Wrong passwords, untrusted certificates and servers without an address
// book are answered in the dialog. In "Sync Settings" Stop Syncing switches
// the timer off and, when the user asks, has the sync forget this
// directory; the directory file stays.
//
// It ends with IDOK once a sync was set up or stopped; m_result is then
// the last run's result, for the window to show what it brought.
class CSyncSetupDlg : public CDialog
{
public:
    explicit CSyncSetupDlg(BOOL bSettings, CWnd* pParent = nullptr);

    const MessageMap* GetMessageMap() const override { return GetThisMessageMap(); }
    static const MessageMap* GetThisMessageMap();

    CString m_strServer;
    CString m_strUser;
    CSyncRun::Result m_result;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnConnect();
    void OnStop();

private:
    // Runs the sync with options and the password typed, trusting a
    // certificate when the user says so; FALSE (the dialog told why) when
    // it came to nothing to go on with.
    BOOL LeaveOtherBook(const std::string& strBook);
    BOOL RunAnswered(const std::vector<std::string>& options, UINT nWaitingId, CSyncRun::Result& result);
    // What went wrong, in the status line.
    void TellProblem(const CSyncRun::Result& result);
    void ListBooks(const std::vector<CSyncOutcome::AddressBook>& books);
    void FirstSync(const std::string& strBook);
    void OfferTimer(const CString& strSynced);
    void SetStatus(const CString& strText);
    CString Field(int nId) const;

    CListBox m_bookList;
    std::vector<CSyncOutcome::AddressBook> m_books;
    // The server and user the listed books belong to.
    CString m_strBooksFor;
    // --accept-certificate and the fingerprint the user trusted.
    std::vector<std::string> m_trusted;
};
