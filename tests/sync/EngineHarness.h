#pragma once

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include <QUrl>

#include "data/RecordList.h"
#include "sync/SyncEngine.h"
#include "sync/SyncReport.h"
#include "sync/SyncState.h"
#include "tests/support/ScratchDirectory.h"
#include "tests/support/TestRecord.h"
#include "tests/sync/MemoryAddressBook.h"

// The real sync engine between a directory file in a scratch folder and an
// address book in memory, one run at a time, each with the state loaded
// afresh from its file as a new process would.
class EngineHarness
{
public:
    struct Outcome
    {
        CSyncOutcome::EKind kind = CSyncOutcome::EKind::kStateDamaged;
        CSyncOutcome data;
        int nConflicts = 0;
        int nChanges = 0;   // here and on the server together
        std::vector<std::string> details;   // what --verbose prints
    };

    static constexpr const char* kStateFile = "state.json";

    Outcome Sync(bool bForce = false) { return Sync(CSyncEngine::Options{false, bForce, false}); }
    Outcome Sync(const CSyncEngine::Options& options)
    {
        CRecordList list;
        list.LoadFile(kFile);
        CSyncState state;
        Outcome outcome;
        if (!state.Load(kStateFile, outcome.data.strDetail))
            return outcome;
        if (beforeRun)
            beforeRun();
        CSyncReport report(options.bDryRun);
        CSyncEngine engine(book, QUrl("http://dav.test/book/"), state, list, kFile, options);
        outcome.data = engine.Run(report);
        outcome.kind = outcome.data.kind;
        outcome.nConflicts = report.Conflicts();
        outcome.details = report.Details();
        outcome.nChanges = report.LocalAdded() + report.LocalChanged() + report.LocalDeleted() + report.RemoteAdded()
            + report.RemoteChanged() + report.RemoteDeleted();
        return outcome;
    }

    void Write(const std::vector<TestRecord>& records)
    {
        WriteFileBytes(kFile, DirectoryBytes(records));
    }

    // The directory's named records, in order.
    std::vector<TestRecord> Records() const
    {
        CRecordList list;
        list.LoadFile(kFile);
        std::vector<TestRecord> records = VisitRecords(list);
        records.erase(std::remove_if(records.begin(), records.end(), [](const TestRecord& r) { return r.name.empty(); }),
            records.end());
        return records;
    }

    // Both sides hold records: in this order here, in any order there.
    void Begin(const std::vector<TestRecord>& records)
    {
        Write(records);
        Sync();
    }

    MemoryAddressBook book;
    // Run once the directory is loaded, before the engine starts: what the
    // user does meanwhile.
    std::function<void()> beforeRun;
    // What a row keeps between its steps.
    std::vector<std::string> kept;

private:
    static constexpr const char* kFile = "Dialstack.dat";
    ScratchDirectory m_folder;
};
