#pragma once

#include <string>

#include "data/DirectoryLock.h"
#include "data/RecordList.h"

// What the tools share about the directory file: taking its lock and
// loading it whole. What stands in the way comes back as a value, which
// each tool words in its own way.
class CDirectoryAccess
{
public:
    enum class EProblem
    {
        kNone,
        // A window with unsaved changes or another writer has the lock.
        kHeldElsewhere,
        // No lock file can be made beside the directory file, so nobody
        // can hold its lock: a tool may go on without it, and the save that
        // follows then says what is wrong with the folder.
        kNoLockFile,
        // The lock file could not be locked otherwise.
        kLockFailed,
        kFolder,   // a folder stands at the directory file's name
        kMissing,   // there is no directory file, and there must be one
        kUnopened,   // the directory file could not be opened
        kIncomplete,   // the directory file could not be read completely
    };
    struct Problem
    {
        EProblem kind = EProblem::kNone;
        std::string strDetail;   // why, as a lower-case clause (lock, kUnopened)

        explicit operator bool() const { return kind != EProblem::kNone; }
    };

    // Takes the lock of the kind given.
    static Problem Lock(const std::string& path, CDirectoryLock::Kind kind, CDirectoryLock& lock);
    // bMustExist: a missing file is a problem rather than an empty
    // directory.
    static Problem Load(const std::string& path, bool bMustExist, CRecordList& list);
};
