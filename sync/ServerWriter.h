#pragma once

#include <string>
#include <vector>

#include <QUrl>

#include "sync/AddressBook.h"
#include "sync/SyncMerge.h"
#include "sync/SyncReport.h"
#include "sync/SyncState.h"

// Brings the server to what the plan says, one write at a time, each only
// where nobody else wrote first; every write confirmed goes into the
// state's journal at once.
class CServerWriter
{
public:
    enum class EResult
    {
        kDone,
        kAgain,   // someone else wrote first: the round starts again
        kFailed,
    };

    CServerWriter(CAddressBook& book, const QUrl& collection, CSyncState& state, const std::string& strDirectoryFile);

    // Writes the plan's changes to the server; once for each writer.
    EResult Apply(const CSyncMerge::Plan& plan, CSyncReport& report, CSyncOutcome& failure);

    // The failure of a state that could not be written.
    static CSyncOutcome StateNotSaved(const std::string& strDirectoryFile, const std::string& strDetail);

private:
    using WriteResult = CAddressBook::WriteResult;

    bool WriteOne(const CSyncItem& item, size_t nAt, bool& bHasEntry, CSyncReport& report, CSyncOutcome& failure);
    WriteResult Send(const CSyncItem& item, size_t nAt, CSyncEntry& entry, std::string& strEtag, CSyncOutcome& why);
    WriteResult Update(const CSyncItem& item, CSyncEntry& entry, std::string& strEtag, CSyncOutcome& why);
    WriteResult Create(const CSyncItem& item, size_t nAt, CSyncEntry& entry, std::string& strEtag, CSyncOutcome& why);
    bool NoteCreate(const CSyncItem& item, size_t nAt, CSyncEntry& entry, CSyncOutcome& why);
    WriteResult AdoptOwnCard(const CSyncEntry& entry, std::string& strEtag, CSyncOutcome& why);
    void Refused(const CSyncItem& item, const CSyncOutcome& why);
    bool Journal(const CSyncItem& item, size_t nAt, const CSyncEntry& entry, CSyncOutcome& failure);
    void FetchNewEtags();
    int CardVersion();

    CAddressBook& m_book;
    QUrl m_collection;
    CSyncState& m_state;
    const std::string& m_strDirectoryFile;
    bool m_bAgain = false;
    CSyncOutcome m_refusals;
    std::vector<std::string> m_withoutEtag;
};
