#include "sync/DesktopNotifier.h"

#include <QDBusConnection>
#include <QDBusInterface>
#include <QDBusReply>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>
#include <QStringList>
#include <QVariantMap>

#include "shell/FileName.h"
#include "sync/NotificationWatch.h"
#include "sync/SyncText.h"

namespace {

const char* const kAppId = "io.github.dialstack.Dialstack";
// The window program always opens the file of this name in its folder.
const char* const kWindowFile = "Dialstack.dat";
// Set by the timer's services: a run nobody started by hand or from a
// window, whose notification is worth waiting for.
const char* const kTimerRun = "DIALSTACK_SYNC_TIMER";

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

// Starts the window program in folder, on its own. Under the timer this
// run is a one-shot service whose processes systemd ends with it, so there
// the window is started as a service of the user's manager (systemd-run);
// elsewhere as a detached process.
bool StartWindow(const QString& program, const QString& folder)
{
    const QString run = QStandardPaths::findExecutable(QStringLiteral("systemd-run"));
    if (qEnvironmentVariableIsSet("INVOCATION_ID") && !run.isEmpty()) {
        QStringList arguments = {QStringLiteral("--user"), QStringLiteral("--collect"), QStringLiteral("--quiet"),
            QStringLiteral("--working-directory=") + folder};
        // The manager's environment may lack the session's display.
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "XAUTHORITY"}) {
            if (qEnvironmentVariableIsSet(name))
                arguments << QStringLiteral("--setenv=%1=%2").arg(QLatin1String(name), qEnvironmentVariable(name));
        }
        arguments << QStringLiteral("--") << program;
        QProcess starter;
        starter.start(run, arguments);
        if (starter.waitForFinished(30000) && starter.exitStatus() == QProcess::NormalExit && starter.exitCode() == 0)
            return true;
    }
    QProcess window;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QLatin1String(kTimerRun));
    window.setProcessEnvironment(environment);
    window.setProgram(program);
    window.setWorkingDirectory(folder);
    return window.startDetached();
}

// Notify's reply, 0 when the service refused the call. nReplaces: the id of
// a notification this one takes the place of, or 0.
uint Show(QDBusInterface& service, const QString& problem, bool bOffersWindow, uint nReplaces = 0)
{
    const QString title = QString::fromStdString(CSyncText::Tr("Dialstack sync needs you"));
    const QString open = QString::fromStdString(CSyncText::Tr("Open Dialstack"));
    const QStringList actions = bOffersWindow
        ? QStringList{QStringLiteral("default"), open, QStringLiteral("open"), open}
        : QStringList();
    const QVariantMap hints = {{QStringLiteral("desktop-entry"), QLatin1String(kAppId)}};
    const QDBusReply<uint> reply = service.call(QStringLiteral("Notify"), QStringLiteral("Dialstack"), nReplaces,
        QLatin1String(kAppId), title, problem, actions, hints, -1);
    return reply.isValid() ? reply.value() : 0;
}

}   // namespace

CDesktopNotifier::CDesktopNotifier(std::string strMemoryPath)
    : m_strMemoryPath(std::move(strMemoryPath))
{
}

bool CDesktopNotifier::Notify(const std::string& strProblem, const std::string& strDirectoryFile)
{
    const QString memory = CFileName::Decode(m_strMemoryPath);
    const QString problem = QString::fromStdString(strProblem);
    if (LastShown(memory) == problem)
        return false;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return false;
    const QString name = QLatin1String(CNotificationWatch::kService);
    QDBusInterface service(name, QLatin1String(CNotificationWatch::kPath), name, bus);
    const QFileInfo file(CFileName::Decode(strDirectoryFile));
    const std::string program = WindowProgram();
    // The window opens Dialstack.dat of its folder only: another file's
    // question is not offered there; nor where the desktop shows no actions,
    // nor outside the timer's runs, which alone wait for the answer.
    const QDBusReply<QStringList> capabilities = service.call(QStringLiteral("GetCapabilities"));
    const bool bOffersWindow = file.fileName() == QLatin1String(kWindowFile) && !program.empty()
        && qEnvironmentVariable(kTimerRun) == QLatin1String("1") && capabilities.isValid()
        && capabilities.value().contains(QStringLiteral("actions"));
    // Listening before showing: an answer may come before Notify's reply.
    CNotificationWatch watch(bus);
    const uint nId = Show(service, problem, bOffersWindow);
    if (nId == 0)
        return false;
    RememberShown(memory, problem);
    if (!bOffersWindow)
        return true;
    if (watch.WaitForAction(nId, kWatchSeconds))
        StartWindow(CFileName::Decode(program), file.absolutePath());
    else if (!watch.Answered())
        // Nobody is left to answer the action once this run ends: the
        // notification stays, without it.
        Show(service, problem, false, nId);
    return true;
}

void CDesktopNotifier::Forget()
{
    QFile::remove(CFileName::Decode(m_strMemoryPath));
}

std::string CDesktopNotifier::WindowProgram()
{
    const QString given = qEnvironmentVariable("DIALSTACK_WINDOW_PROGRAM");
    if (!given.isEmpty())
        return CFileName::Encode(given);
    // The running program's own folder, read from the kernel: it holds for
    // a build tree and any install prefix alike.
    const QString self = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
    const QFileInfo beside(QFileInfo(self).absolutePath() + QStringLiteral("/dialstack"));
    if (!self.isEmpty() && beside.isFile() && beside.isExecutable())
        return CFileName::Encode(beside.absoluteFilePath());
    return CFileName::Encode(QStandardPaths::findExecutable(QStringLiteral("dialstack")));
}

