#include "data/FileReasons.h"

#include <cerrno>
#include <cstring>

#include <sys/stat.h>

#include "base/ClauseText.h"

CString KindOfFile(mode_t mode)
{
    if (S_ISDIR(mode))
        return "a folder";
    if (S_ISFIFO(mode))
        return "a named pipe (FIFO)";
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return "a device";
    if (S_ISSOCK(mode))
        return "a socket";
    return "something other than a file";
}

CString ReasonForError(int nError)
{
    switch (nError) {
    case EROFS: return "the disk is read-only";
    case ENOSPC: return "the disk is full";
    case EDQUOT: return "the disk quota is used up";
    case EFBIG: return "the file would be larger than this process may write";
    default: break;
    }
    // The system's texts are sentences of their own; here they are clauses.
    return AsClause(std::strerror(nError));
}

CString ReasonForNotAFile(mode_t mode)
{
    return "it is " + KindOfFile(mode) + ", not a file";
}
