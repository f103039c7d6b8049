#include "sync/DesktopNotifier.h"

#include <QDBusConnection>
#include <QDBusInterface>
#include <QDBusReply>
#include <QFile>
#include <QSaveFile>
#include <QStringList>
#include <QVariantMap>

#include "sync/SyncText.h"

namespace {

QString LastShown(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

void RememberShown(const QString& path, const QString& problem)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(problem.toUtf8());
        file.commit();
    }
}

}   // namespace

CDesktopNotifier::CDesktopNotifier(std::string strMemoryPath)
    : m_strMemoryPath(std::move(strMemoryPath))
{
}

bool CDesktopNotifier::Notify(const std::string& strProblem, const std::string& strCommand)
{
    const QString memory = QFile::decodeName(m_strMemoryPath.c_str());
    const QString problem = QString::fromStdString(strProblem);
    if (LastShown(memory) == problem)
        return false;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return false;
    QDBusInterface service(QStringLiteral("org.freedesktop.Notifications"),
        QStringLiteral("/org/freedesktop/Notifications"), QStringLiteral("org.freedesktop.Notifications"), bus);
    const QString body = problem + QStringLiteral("\n\n")
        + QString::fromStdString(CSyncText::Tr("To settle it, run: %1", {strCommand}));
    const QString title = QString::fromStdString(CSyncText::Tr("Dialstack sync needs you"));
    const QDBusReply<uint> reply = service.call(QStringLiteral("Notify"), QStringLiteral("dialstack-sync"), 0u,
        QStringLiteral("x-office-address-book"), title, body, QStringList(), QVariantMap(), -1);
    if (!reply.isValid())
        return false;
    RememberShown(memory, problem);
    return true;
}

void CDesktopNotifier::Forget()
{
    QFile::remove(QFile::decodeName(m_strMemoryPath.c_str()));
}
