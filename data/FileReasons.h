#pragma once

#include <sys/types.h>

#include "base/CString.h"

// Reasons a file could not be read or written, as lower-case clauses without
// a final period (for example "the disk is read-only"), for the caller to
// frame in its own sentence; in the reader's language (base/ReasonText.h).

// The reason for a system error number.
CString ReasonForError(int nError);
// "it is a folder, not a file", and so on, for what stands at a name.
CString ReasonForNotAFile(mode_t mode);
// "it is a symbolic link to a folder, not to a file", and so on, for what a
// link leads to.
CString ReasonForLinkToNotAFile(mode_t mode);
