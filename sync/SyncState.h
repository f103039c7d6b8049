#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "sync/SyncEntry.h"

// What this machine knows about one directory file's address book: the
// server, the user, the collection's sync token, and one entry for each
// synced record, in directory order.
//
// The file holds one JSON object a line (a header, then the entries) and is
// replaced in one step when saved. Between saves, every
// confirmed write to the server is appended to a journal beside it and
// flushed at once, so a process killed part-way through never forgets a
// card it created; loading replays the journal. Each journal names the
// generation of the file it continues, so one left behind by a save that
// was interrupted after the new file was in place is ignored.
class CSyncState
{
public:
    CSyncState() = default;
    ~CSyncState();
    CSyncState(const CSyncState&) = delete;
    CSyncState& operator=(const CSyncState&) = delete;

    // Where the state for a directory file lives: under $XDG_STATE_HOME
    // (else ~/.local/state), in dialstack/, named after the file's full path.
    static std::string PathFor(const std::string& strDirectoryFile);

    // Removes the state at strPath and its journal.
    static void Forget(const std::string& strPath);

    // A missing file is an empty state (TRUE); a damaged one is FALSE with
    // the reason (which does not name the file).
    bool Load(const std::string& strPath, std::string& strError);
    // Writes the whole state and starts an empty journal.
    bool Save(std::string& strError);

    // Changes to the entries that are journalled at once. Insert settles a
    // pending create of the same href.
    bool Insert(size_t nAt, const CSyncEntry& entry, std::string& strError);
    bool Replace(size_t nAt, const CSyncEntry& entry, std::string& strError);
    bool Remove(size_t nAt, std::string& strError);

    std::string m_strDirectoryFile;
    // The URL the user gave, and the address book found from it.
    std::string m_strServerUrl;
    std::string m_strCollectionUrl;
    std::string m_strUser;
    // Where the password is read from when the keyring cannot keep it (the
    // file's absolute path, never its contents), and a certificate trusted
    // for the server; empty when none.
    std::string m_strPasswordFile;
    std::string m_strCertificateFile;
    std::string m_strSyncToken;
    std::vector<CSyncEntry> m_entries;

    // A new card about to be sent: its UID, href and record are journalled
    // before the request goes out, so that a card the server took after
    // this process died is known as this record's on the next run, and a
    // retry goes to the same href under the same UID.
    struct PendingCreate
    {
        size_t nAt = 0;   // where its entry goes in m_entries
        CSyncEntry entry;
    };
    bool NotePending(const PendingCreate& pending, std::string& strError);
    std::vector<PendingCreate> m_pending;

    // The vCard version new cards are written in (3 or 4); 0 until the
    // server has been asked.
    int m_nCardVersion = 0;

private:
    std::string HeaderLine() const;
    bool Journal(const std::string& strLine, std::string& strError);
    void ReplayJournal();
    void CloseJournal();

    std::string m_strPath;
    long long m_nGeneration = 0;
    // Bytes of the journal that continue this state; -1 for none.
    long long m_nJournalLength = -1;
    FILE* m_pJournal = nullptr;
};
