#include "data/FileReasons.h"

#include <cerrno>
#include <cstring>

#include <sys/stat.h>

#include "base/ClauseText.h"
#include "base/ReasonText.h"

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
    // The system's English words for the error, as a clause, are the key of
    // its translation; the errors a file meets most are in the catalogue,
    // the rest stay in the system's English. An error number the system has
    // no words for keeps the system's "Unknown error N".
    if (const char* pszEnglish = strerrordesc_np(nError))
        return CReasonText::Tr(AsClause(pszEnglish));
    return CReasonText::FromSystem(AsClause(std::strerror(nError)));
}
