#pragma once

#include <set>
#include <string>
#include <vector>

#include "sync/RemoteCard.h"
#include "sync/SyncItem.h"

// What a sync did (or, in a dry run, would do): one line per record for
// --verbose and the dry run, and the summary line.
class CSyncReport
{
public:
    explicit CSyncReport(bool bDryRun)
        : m_bDryRun(bDryRun)
    {
    }

    // Counts and names what the item does here (before: the record it
    // changes or deletes) and on the server.
    void Here(const CSyncItem& item, const CRecordFields& before);
    void There(const CSyncItem& item);
    // Names a card left out as no contact, once a run however many rounds
    // see it.
    void LeftOut(const CRemoteCard& card);

    const std::vector<std::string>& Details() const { return m_details; }
    std::string SummaryLine() const;

    // Names for a message, quoted and safe on a terminal: at most a
    // screenful of them, then how many more there are.
    static std::string NameList(const std::vector<CString>& names);
    static constexpr size_t kMaxNamesListed = 20;

    int LocalAdded() const { return m_nLocal[0]; }
    int LocalChanged() const { return m_nLocal[1]; }
    int LocalDeleted() const { return m_nLocal[2]; }
    int RemoteAdded() const { return m_nRemote[0]; }
    int RemoteChanged() const { return m_nRemote[1]; }
    int RemoteDeleted() const { return m_nRemote[2]; }
    int Conflicts() const { return m_nConflicts; }

private:
    // The index into m_nLocal and m_nRemote.
    enum class EKind
    {
        kAdded,
        kChanged,
        kDeleted,
    };
    // Counts one record added, changed or deleted and names it.
    void Count(int (&counts)[3], EKind kind, bool bOnServer, const CString& name);

    bool m_bDryRun;
    int m_nLocal[3] = {0, 0, 0};
    int m_nRemote[3] = {0, 0, 0};
    int m_nConflicts = 0;
    std::vector<std::string> m_details;
    std::set<std::string> m_leftOut;   // their hrefs
};
