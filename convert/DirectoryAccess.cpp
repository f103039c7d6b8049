#include "convert/DirectoryAccess.h"

#include <QFile>
#include <QFileInfo>

#include "base/ExitStatus.h"
#include "convert/ConvertCommand.h"
#include "convert/ConvertText.h"

int CDirectoryAccess::Load(const std::string& path, bool bMustExist, CRecordList& list, std::ostream& err)
{
    const QFileInfo info(QFile::decodeName(path.c_str()));
    if (info.isDir()) {
        CConvertCommand::Complain(
            err, ConvertText::Tr("%1: is a folder, not a directory file; nothing was converted", {path}));
        return ExitStatus::kFailure;
    }
    if (bMustExist && !info.exists()) {
        CConvertCommand::Complain(err, ConvertText::Tr("%1: there is no directory file", {path}));
        return ExitStatus::kFailure;
    }
    list.LoadFile(path.c_str());
    if (list.IsLoadComplete())
        return -1;
    if (!list.GetLoadError().IsEmpty())
        CConvertCommand::Complain(err,
            ConvertText::Tr("%1: the directory file could not be opened: %2; nothing was converted",
                {path, std::string(list.GetLoadError().View())}));
    else
        CConvertCommand::Complain(
            err, ConvertText::Tr("%1: the directory file could not be read completely; nothing was converted", {path}));
    return ExitStatus::kFailure;
}

int CDirectoryAccess::Lock(const std::string& path, CDirectoryLock::Kind kind, CDirectoryLock& lock, std::ostream& err)
{
    CString strWhy;
    if (lock.TryAcquire(path.c_str(), kind, strWhy))
        return -1;
    // A shared lock given without a file means no lock file can be made
    // there: nobody else can hold one either.
    CDirectoryLock probe;
    CString strProbeWhy;
    if (probe.TryAcquire(path.c_str(), CDirectoryLock::Kind::Shared, strProbeWhy) && !probe.IsHeld())
        return -1;
    CConvertCommand::Complain(err,
        ConvertText::Tr("%1: %2 (close Dialstack's window on it, or wait for the other import); nothing was changed",
            {path, std::string(strWhy.View())}));
    return ExitStatus::kBusy;
}
