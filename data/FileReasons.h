#pragma once

#include <sys/types.h>

#include "base/CString.h"

// Reasons a file could not be read or written, as lower-case clauses without
// a final period (for example "the disk is read-only"), for the caller to
// frame in its own sentence.

// The reason for a system error number.
CString ReasonForError(int nError);
// "it is a folder, not a file", and so on, for what stands at a name.
CString ReasonForNotAFile(mode_t mode);
// "a folder", "a named pipe (FIFO)", ... for what stands at a name.
CString KindOfFile(mode_t mode);
