#include "data/FileReasons.h"

#include <cerrno>
#include <cstring>

#include <sys/stat.h>

#include "base/ClauseText.h"
#include "base/ReasonText.h"

namespace {

// The errors a file meets most, in the system's English words as clauses:
// the catalogue translates these.
struct CommonError
{
    int nError;
    const char* pszClause;
};
const CommonError kCommonErrors[] = {
    {EACCES, DIALSTACK_TR_NOOP("Reasons", "permission denied")},
    {EPERM, DIALSTACK_TR_NOOP("Reasons", "operation not permitted")},
    {ENOENT, DIALSTACK_TR_NOOP("Reasons", "no such file or directory")},
    {ENOTDIR, DIALSTACK_TR_NOOP("Reasons", "not a directory")},
    {EISDIR, DIALSTACK_TR_NOOP("Reasons", "is a directory")},
    {ELOOP, DIALSTACK_TR_NOOP("Reasons", "too many levels of symbolic links")},
    {ENAMETOOLONG, DIALSTACK_TR_NOOP("Reasons", "file name too long")},
    {EIO, DIALSTACK_TR_NOOP("Reasons", "input/output error")},
    {EBUSY, DIALSTACK_TR_NOOP("Reasons", "device or resource busy")},
    {ETXTBSY, DIALSTACK_TR_NOOP("Reasons", "text file busy")},
    {ENOMEM, DIALSTACK_TR_NOOP("Reasons", "cannot allocate memory")},
    {EMFILE, DIALSTACK_TR_NOOP("Reasons", "too many open files")},
    {ENFILE, DIALSTACK_TR_NOOP("Reasons", "too many open files in system")},
    {ENOLCK, DIALSTACK_TR_NOOP("Reasons", "no locks available")},
    {ESTALE, DIALSTACK_TR_NOOP("Reasons", "stale file handle")},
    {ENXIO, DIALSTACK_TR_NOOP("Reasons", "no such device or address")},
    {EXDEV, DIALSTACK_TR_NOOP("Reasons", "invalid cross-device link")},
    {EINVAL, DIALSTACK_TR_NOOP("Reasons", "invalid argument")},
    {ENOTCONN, DIALSTACK_TR_NOOP("Reasons", "transport endpoint is not connected")},
    {ETIMEDOUT, DIALSTACK_TR_NOOP("Reasons", "connection timed out")},
};

}   // namespace

// Each kind of thing at a name has whole sentences of its own: languages
// inflect the kind differently in each sentence that names it.

CString ReasonForNotAFile(mode_t mode)
{
    if (S_ISDIR(mode))
        return CReasonText::Tr("it is a folder, not a file");
    if (S_ISFIFO(mode))
        return CReasonText::Tr("it is a named pipe (FIFO), not a file");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return CReasonText::Tr("it is a device, not a file");
    if (S_ISSOCK(mode))
        return CReasonText::Tr("it is a socket, not a file");
    return CReasonText::Tr("it is something other than a file, not a file");
}

CString ReasonForLinkToNotAFile(mode_t mode)
{
    if (S_ISDIR(mode))
        return CReasonText::Tr("it is a symbolic link to a folder, not to a file");
    if (S_ISFIFO(mode))
        return CReasonText::Tr("it is a symbolic link to a named pipe (FIFO), not to a file");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return CReasonText::Tr("it is a symbolic link to a device, not to a file");
    if (S_ISSOCK(mode))
        return CReasonText::Tr("it is a symbolic link to a socket, not to a file");
    return CReasonText::Tr("it is a symbolic link to something other than a file, not to a file");
}

CString ReasonForError(int nError)
{
    switch (nError) {
    case EROFS: return CReasonText::Tr("the disk is read-only");
    case ENOSPC: return CReasonText::Tr("the disk is full");
    case EDQUOT: return CReasonText::Tr("the disk quota is used up");
    case EFBIG: return CReasonText::Tr("the file would be larger than this process may write");
    default: break;
    }
    for (const CommonError& common : kCommonErrors) {
        if (common.nError == nError)
            return CReasonText::Tr(common.pszClause);
    }
    // Any other error stays in the system's English words, as a clause. An
    // error number the system has no words for keeps the system's "Unknown
    // error N".
    if (const char* pszEnglish = strerrordesc_np(nError))
        return CReasonText::Tr(AsClause(pszEnglish));
    return CReasonText::FromSystem(AsClause(std::strerror(nError)));
}
