#include "sync/ConfigFolder.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include <QDir>
#include <QFileInfo>

#include "data/SyncStatePath.h"
#include "shell/FileName.h"

namespace {

QString Folder()
{
    QString home = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (home.isEmpty() || !QDir::isAbsolutePath(home))
        home = QDir::homePath() + QStringLiteral("/.config");
    return home + QStringLiteral("/dialstack");
}

}   // namespace

std::string CConfigFolder::FileFor(const std::string& strDirectoryFile, const char* pszEnding)
{
    // The state's name carries the hash of the file's full path.
    const QString state = QFileInfo(CFileName::Decode(SyncStatePathFor(strDirectoryFile))).completeBaseName();
    return CFileName::Encode(Folder() + '/' + state + QLatin1String(pszEnding));
}

bool CConfigFolder::Make()
{
    const QString folder = Folder();
    return QDir().mkpath(folder)
        && QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

bool CConfigFolder::WritePrivate(const std::string& strPath, const std::string& strBytes, std::string& strError)
{
    // A new file beside it, 0600 from the start whatever the umask, then
    // put in its place: the old one stays whole until the new one is.
    const std::string temporary = strPath + ".new";
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, 0600);
    bool bWritten = fd >= 0 && ::fchmod(fd, 0600) == 0
        && ::write(fd, strBytes.data(), strBytes.size()) == static_cast<ssize_t>(strBytes.size())
        && ::fsync(fd) == 0;
    const int nError = errno;
    if (fd >= 0)
        bWritten = ::close(fd) == 0 && bWritten;
    if (bWritten && ::rename(temporary.c_str(), strPath.c_str()) == 0)
        return true;
    strError = strPath + ": " + std::strerror(bWritten ? errno : nError);
    ::unlink(temporary.c_str());
    return false;
}
