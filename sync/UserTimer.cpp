#include "sync/UserTimer.h"

#include <cstdio>

#include <QDir>
#include <QFileInfo>
#include <QProcess>

#include "shell/FileName.h"
#include "sync/SyncText.h"

namespace {

constexpr int kAnswerMilliseconds = 60 * 1000;

// systemctl's own messages for a user manager it cannot reach.
const char* const kNoBus = "Failed to connect to bus";

QString Systemctl()
{
    const QString given = qEnvironmentVariable("DIALSTACK_SYSTEMCTL_PROGRAM");
    return given.isEmpty() ? QStringLiteral("systemctl") : given;
}

// systemctl --user reaches the manager through its private socket in the
// user's runtime folder; without it no manager runs for this user (or
// systemctl could not find it either).
bool HasUserManager()
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return !runtime.isEmpty() && QFileInfo::exists(runtime + QStringLiteral("/systemd/private"));
}

bool IsPlain(unsigned char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == ':' || c == '_'
        || c == '.';
}

struct Run
{
    bool bStarted = false;
    bool bFinished = false;
    int nStatus = 0;
    QString strErrors;
};

Run RunSystemctl(const QStringList& arguments)
{
    Run run;
    QProcess process;
    process.start(Systemctl(), QStringList{QStringLiteral("--user")} + arguments);
    run.bStarted = process.waitForStarted(kAnswerMilliseconds);
    if (!run.bStarted)
        return run;
    run.bFinished = process.waitForFinished(kAnswerMilliseconds);
    if (!run.bFinished) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    run.nStatus = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.strErrors = QString::fromLocal8Bit(process.readAllStandardError()).trimmed();
    return run;
}

}   // namespace

std::string CUserTimer::EscapePath(const std::string& strPath)
{
    std::string escaped;
    size_t i = 0;
    while (i < strPath.size() && strPath[i] == '/')
        ++i;
    if (i == strPath.size())
        return "-";
    for (; i < strPath.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(strPath[i]);
        if (c == '/') {
            escaped += '-';
        } else if (IsPlain(c) && !(c == '.' && escaped.empty())) {
            escaped += static_cast<char>(c);
        } else {
            char hex[5];
            std::snprintf(hex, sizeof hex, "\\x%02x", c);
            escaped += hex;
        }
    }
    return escaped;
}

std::string CUserTimer::UnitName(const std::string& strDirectoryFile)
{
    const QString absolute = QDir::cleanPath(QFileInfo(CFileName::Decode(strDirectoryFile)).absoluteFilePath());
    return "dialstack-sync@" + EscapePath(CFileName::Encode(absolute)) + ".timer";
}

CSyncOutcome::ETimer CUserTimer::Set(const std::string& strDirectoryFile, bool bOn, std::string& strDetail)
{
    using ETimer = CSyncOutcome::ETimer;
    if (!HasUserManager())
        return ETimer::kNoUserManager;
    const QString unit = CFileName::Decode(UnitName(strDirectoryFile));
    const Run run = RunSystemctl({bOn ? QStringLiteral("enable") : QStringLiteral("disable"), QStringLiteral("--now"), unit});
    const std::string program = Systemctl().toStdString();
    if (run.bFinished && run.nStatus == 0)
        return bOn ? ETimer::kOn : ETimer::kOff;
    if (run.strErrors.contains(QLatin1String(kNoBus)))
        return ETimer::kNoUserManager;
    if (!run.bStarted)
        strDetail = CSyncText::Tr("%1 could not be started", {program});
    else if (!run.bFinished)
        strDetail = CSyncText::Tr("%1 did not finish within a minute", {program});
    else if (!run.strErrors.isEmpty())
        strDetail = run.strErrors.toStdString();
    else
        strDetail = CSyncText::Tr("%1 ended with status %2", {program, std::to_string(run.nStatus)});
    return ETimer::kFailed;
}

bool CUserTimer::IsOn(const std::string& strDirectoryFile)
{
    if (!HasUserManager())
        return false;
    const Run run = RunSystemctl({QStringLiteral("is-enabled"), QStringLiteral("--quiet"),
        CFileName::Decode(UnitName(strDirectoryFile))});
    return run.bFinished && run.nStatus == 0;
}
