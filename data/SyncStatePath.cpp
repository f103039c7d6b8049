#include "data/SyncStatePath.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>

std::string SyncStatePathFor(const std::string& strDirectoryFile)
{
    QString stateHome = qEnvironmentVariable("XDG_STATE_HOME");
    if (stateHome.isEmpty() || !QDir::isAbsolutePath(stateHome))
        stateHome = QDir::homePath() + QStringLiteral("/.local/state");
    const QFileInfo info(QString::fromStdString(strDirectoryFile));
    const QString fullPath = info.exists() ? info.canonicalFilePath() : info.absoluteFilePath();
    const QByteArray hash = QCryptographicHash::hash(fullPath.toUtf8(), QCryptographicHash::Sha256).toHex().left(16);
    return (stateHome + QStringLiteral("/dialstack/sync-") + QString::fromLatin1(hash) + QStringLiteral(".json"))
        .toStdString();
}
