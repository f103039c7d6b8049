#pragma once

#include <iosfwd>
#include <string>

#include <QUrl>

#include "data/RecordList.h"
#include "data/SyncOutcome.h"
#include "sync/HttpSession.h"
#include "sync/SyncOptions.h"
#include "sync/SyncPassword.h"
#include "sync/SyncState.h"

class CCardDavClient;

// One sync of a directory file with its address book, or a look at a
// server's address books, as the command line asks: what it comes to is
// the outcome. Details of a dry run or --verbose go to out; a question or
// a note for the user to info.
class CSyncRun
{
public:
    CSyncRun(const CSyncOptions& options, std::ostream& out, std::ostream& info);

    CSyncOutcome Sync();
    // --discover: the address books found (in-step), or the failure; no
    // state is read or kept.
    CSyncOutcome Discover();

private:
    CSyncOutcome Locked();
    CSyncOutcome Configure();
    CSyncOutcome TrustCertificate();
    CSyncOutcome AcceptCertificate();
    CSyncOutcome FindAddressBook(CCardDavClient& client);
    CSyncOutcome CheckPassword(CCardDavClient& client);
    CSyncOutcome Engine(CCardDavClient& client);
    void StartSession(const std::string& strPassword);
    // A refused password or a vanished address book, with what the user
    // needs to settle it.
    CSyncOutcome Completed(CSyncOutcome outcome) const;
    // Saves what the server took (its address book, the user, where the
    // password is read from) before the sync writes anything.
    void Remember();

    CSyncOptions m_options;
    std::ostream& m_out;
    std::ostream& m_info;
    CSyncState m_state;
    CRecordList m_list;
    CHttpSession m_session;
    CSyncPassword m_password{m_options, m_state, m_info};
    // Whether the state took something to remember before the sync.
    bool m_bToRemember = false;
};
