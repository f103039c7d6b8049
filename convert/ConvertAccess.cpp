#include "convert/ConvertAccess.h"

#include "base/ExitStatus.h"
#include "convert/ConvertCommand.h"
#include "convert/ConvertText.h"
#include "shell/DirectoryAccess.h"

using EProblem = CDirectoryAccess::EProblem;

int CConvertAccess::Load(const std::string& path, bool bMustExist, CRecordList& list, std::ostream& err)
{
    const CDirectoryAccess::Problem problem = CDirectoryAccess::Load(path, bMustExist, list);
    if (problem.kind == EProblem::kFolder) {
        CConvertCommand::Complain(
            err, ConvertText::Tr("%1: is a folder, not a directory file; nothing was converted", {path}));
        return ExitStatus::kFailure;
    }
    if (problem.kind == EProblem::kMissing) {
        CConvertCommand::Complain(err, ConvertText::Tr("%1: there is no directory file", {path}));
        return ExitStatus::kFailure;
    }
    if (!problem)
        return -1;
    if (problem.kind == EProblem::kUnopened)
        CConvertCommand::Complain(err,
            ConvertText::Tr("%1: the directory file could not be opened: %2; nothing was converted",
                {path, problem.strDetail}));
    else
        CConvertCommand::Complain(
            err, ConvertText::Tr("%1: the directory file could not be read completely; nothing was converted", {path}));
    return ExitStatus::kFailure;
}

int CConvertAccess::Lock(const std::string& path, CDirectoryLock::Kind kind, CDirectoryLock& lock, std::ostream& err)
{
    const CDirectoryAccess::Problem problem = CDirectoryAccess::Lock(path, kind, lock);
    if (!problem || problem.kind == EProblem::kNoLockFile)
        return -1;
    CConvertCommand::Complain(err,
        ConvertText::Tr("%1: %2 (close Dialstack's window on it, or wait for the other import); nothing was changed",
            {path, problem.strDetail}));
    return ExitStatus::kBusy;
}
