#pragma once

#include <iosfwd>
#include <string>

#include "data/DirectoryLock.h"
#include "data/RecordList.h"

// The converter's way to the directory file (shell/DirectoryAccess.h),
// with the message a user needs when it fails.
class CConvertAccess
{
public:
    // The exit status when the command cannot go on, else -1. bMustExist:
    // a missing file is an error (export, query) rather than an empty
    // directory (import).
    static int Load(const std::string& path, bool bMustExist, CRecordList& list, std::ostream& err);

    // Takes the lock of the kind given; the exit status when another holder
    // has it, else -1. A lock that cannot be taken because no lock file can
    // be made beside the directory file is gone without: the save that
    // follows then says what is wrong with the folder.
    static int Lock(const std::string& path, CDirectoryLock::Kind kind, CDirectoryLock& lock, std::ostream& err);
};
