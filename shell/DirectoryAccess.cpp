#include "shell/DirectoryAccess.h"

#include <QFileInfo>

#include "shell/FileName.h"

using EProblem = CDirectoryAccess::EProblem;

CDirectoryAccess::Problem CDirectoryAccess::Load(const std::string& path, bool bMustExist, CRecordList& list)
{
    const QFileInfo info(CFileName::Decode(path));
    if (info.isDir())
        return {EProblem::kFolder, ""};
    if (bMustExist && !info.exists())
        return {EProblem::kMissing, ""};
    list.LoadFile(path.c_str());
    if (list.IsLoadComplete())
        return {};
    if (!list.GetLoadError().IsEmpty())
        return {EProblem::kUnopened, std::string(list.GetLoadError().View())};
    return {EProblem::kIncomplete, ""};
}

CDirectoryAccess::Problem CDirectoryAccess::Lock(
    const std::string& path, CDirectoryLock::Kind kind, CDirectoryLock& lock)
{
    CString strWhy;
    if (lock.TryAcquire(path.c_str(), kind, strWhy))
        return {};
    if (lock.WasHeldElsewhere())
        return {EProblem::kHeldElsewhere, std::string(strWhy.View())};
    // A shared lock given without a file means no lock file can be made
    // there: nobody else can hold one either.
    CDirectoryLock probe;
    CString strProbeWhy;
    if (probe.TryAcquire(path.c_str(), CDirectoryLock::Kind::Shared, strProbeWhy) && !probe.IsHeld())
        return {EProblem::kNoLockFile, std::string(strWhy.View())};
    return {EProblem::kLockFailed, std::string(strWhy.View())};
}
