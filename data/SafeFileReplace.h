#pragma once

#include <cstddef>
#include <functional>

#include <sys/types.h>

#include "base/CString.h"
#include "data/FileFingerprint.h"

// Takes the bytes of a new file as they are made.
class CByteSink
{
public:
    virtual ~CByteSink() = default;
    // false when the bytes could not all be written; the writer should stop.
    virtual bool Write(const char* pBytes, size_t nLength) = 0;
};

// How a replace ended. Reasons and warnings are lower-case clauses without a
// final period (for example "the disk is read-only"), for the caller to
// frame in its own sentence.
struct CReplaceResult
{
    bool bOk = false;
    // After a failure: false when the file at the name is no longer the old
    // file as it was (it was damaged, or it is gone with its folder).
    bool bOldFileIntact = true;
    // Why it failed; empty on success.
    CString strReason;
    // After a success: what may still be wrong (the new file is in place but
    // may not be on the disk yet); usually empty.
    CString strWarning;
    // What the file holds after a success.
    CFileFingerprint written;
};

// Replaces the file at pszFileName (or creates it) with the bytes
// writeContent hands to the sink it is given; writeContent returns false
// when it could not produce all of them. The new bytes go to a new file
// beside the old one, written without buffering, synced and renamed over it
// in one step, so that on any failure the old file is left exactly as it
// was. Only a regular file (directly or through a symbolic link) or a name
// with nothing behind it is replaced; a folder, pipe, device or socket
// never is. The new file keeps the old one's mode and, where the user may,
// its owner and group; the folder is synced after the rename. Where the
// folder takes no new file but the file itself is writable, the file is
// rewritten in place, every write checked and the old bytes written back on
// a failure. After a successful replace, leftovers of earlier replaces of
// the same name that a crash left behind ("<name>.XXXXXX", older than ten
// minutes) are removed.
//
// writeContent is called at most once; not at all when the name cannot be
// replaced.
CReplaceResult ReplaceFileSafely(const char* pszFileName, const std::function<bool(CByteSink&)>& writeContent);
