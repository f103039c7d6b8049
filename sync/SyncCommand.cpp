#include "sync/SyncCommand.h"

#include <unistd.h>

#include <cstdio>
#include <ostream>

#include <QDir>
#include <QFileInfo>

#include "base/ExitStatus.h"
#include "base/TextMarkers.h"
#include "data/DirectoryLock.h"
#include "data/SyncOutcome.h"
#include "shell/DirectoryAccess.h"
#include "shell/FileName.h"
#include "shell/PrintableText.h"
#include "shell/ToolShell.h"
#include "sync/ConfigFolder.h"
#include "sync/DesktopNotifier.h"
#include "sync/OutcomeWording.h"
#include "sync/SyncOptions.h"
#include "sync/SyncRun.h"
#include "sync/SyncState.h"
#include "sync/SyncText.h"
#include "sync/UserTimer.h"

const char CSyncCommand::kHelp[] = DIALSTACK_TR_NOOP("DialstackSync",
    "usage: dialstack-sync [--file DIR/Dialstack.dat] [--url URL] [--user NAME]\n"
    "                      [--password-file FILE | --password-stdin] [--keep-password]\n"
    "                      [--certificate FILE | --accept-certificate SHA256] [--timeout SECONDS]\n"
    "                      [--dry-run] [--force | --bring-back] [--verbose] [--report json]\n"
    "       dialstack-sync [--file DIR/Dialstack.dat] --discover --url URL [--user NAME] [...]\n"
    "       dialstack-sync [--file DIR/Dialstack.dat] --forget | --timer on|off|status\n"
    "       dialstack-sync --help | --version\n"
    "Keeps the directory file and its CardDAV address book in step. The first run\n"
    "needs --url; the URL, user, password file and certificate are remembered for\n"
    "that directory file. The password comes from --password-file, or the first\n"
    "line of standard input with --password-stdin, else the keyring, else the\n"
    "password file remembered for the directory file, else a prompt on the\n"
    "terminal. --keep-password keeps a password the server took: in the keyring,\n"
    "else in a file only you can read.\n"
    "--accept-certificate trusts the server's certificate when its SHA-256\n"
    "fingerprint is the one given. --bring-back answers a refused mass deletion\n"
    "by bringing the deleted records back. --discover lists the server's address\n"
    "books and changes nothing. --forget forgets what this program knows about the\n"
    "directory file's sync (never the file). --timer turns the directory file's\n"
    "timer on or off, or says whether it is on. --report json prints what the run\n"
    "came to as one line of JSON.\n"
    "Exit status: 0 in step; 1 failed (nothing lost); 2 bad usage; 3 busy (a\n"
    "window with unsaved changes or another program has the directory: the next\n"
    "run tries again); 4 needs you (the sync would delete too much, the password\n"
    "was refused or is missing, the certificate is not trusted, or the address\n"
    "book is gone).\n");

namespace {

const char* const kProgram = "dialstack-sync";
using EKind = CSyncOutcome::EKind;

std::string StatePath(const CSyncOptions& options)
{
    return CSyncState::PathFor(options.strFile);
}

CDesktopNotifier Notifier(const CSyncOptions& options)
{
    QDir().mkpath(QFileInfo(CFileName::Decode(StatePath(options))).absolutePath());
    return CDesktopNotifier(StatePath(options) + ".notified");
}

// Whether a person is watching: with a terminal, the message on it is
// enough; without one (a timer), the desktop is told.
bool IsUnattended()
{
    return !::isatty(STDIN_FILENO) && !::isatty(STDERR_FILENO);
}

// --forget: the sync's memory of the directory file, never the file.
CSyncOutcome Forget(const CSyncOptions& options)
{
    CSyncOutcome outcome;
    CDirectoryLock lock;
    if (CDirectoryAccess::Lock(options.strFile, CDirectoryLock::Kind::Exclusive, lock).kind
        == CDirectoryAccess::EProblem::kHeldElsewhere) {
        outcome.kind = EKind::kBusy;
        return outcome;
    }
    CSyncState::Forget(StatePath(options));
    for (const std::string& path : {CSyncOutcome::PathFor(options.strFile), StatePath(options) + ".notified",
             CConfigFolder::FileFor(options.strFile, ".password"), CConfigFolder::FileFor(options.strFile, ".pem")})
        std::remove(path.c_str());
    return outcome;
}

CSyncOutcome Timer(const CSyncOptions& options)
{
    CSyncOutcome outcome;
    const std::string file = CFileName::Absolute(options.strFile);
    if (options.timer == CSyncOptions::ETimer::kStatus)
        outcome.timer = CUserTimer::IsOn(file) ? CSyncOutcome::ETimer::kOn : CSyncOutcome::ETimer::kOff;
    else
        outcome.timer = CUserTimer::Set(file, options.timer == CSyncOptions::ETimer::kOn, outcome.strDetail);
    return outcome;
}

// A sync's outcome is kept for a window open on the file (a busy run and a
// dry run change nothing, a bad command line is no sync), and the desktop
// is told of one that needs the user when nobody watches.
void Keep(const CSyncOutcome& outcome, const COutcomeWording::Wording& wording, const CSyncOptions& options)
{
    if (outcome.kind == EKind::kBusy || outcome.kind == EKind::kUsage || options.bDryRun)
        return;
    outcome.Keep(options.strFile);
    if (outcome.kind == EKind::kInStep)
        Notifier(options).Forget();
    else if (outcome.NeedsYou() && IsUnattended())
        Notifier(options).Notify(Printable(wording.strMessage, 600), CFileName::Absolute(options.strFile));
}

struct Presented
{
    bool bSynced = false;   // a sync ran (or was refused): its outcome is kept
    bool bQuiet = false;   // nothing to say when it worked
    bool bHelp = false;   // the usage follows a bad command line
};

int Present(
    CSyncOutcome outcome, const CSyncOptions& options, const Presented& how, std::ostream& out, std::ostream& err)
{
    const bool bJson = options.report == CSyncOptions::EReport::kJson;
    const COutcomeWording::Wording wording = COutcomeWording::Word(outcome, options.strFile);
    outcome.strMessage = how.bQuiet && outcome.kind == EKind::kInStep ? std::string() : wording.strMessage;
    if (how.bSynced)
        Keep(outcome, wording, options);
    if (outcome.kind == EKind::kInStep && outcome.ExitStatus() == ExitStatus::kSuccess) {
        if (!outcome.strMessage.empty())
            (bJson ? err : out) << outcome.strMessage << '\n';
    } else {
        // The lines after the first (a list of address books) are made
        // safe where they are worded.
        const size_t nEnd = wording.strMessage.find('\n');
        CToolShell::Complain(kProgram, err, wording.strMessage.substr(0, nEnd));
        if (nEnd != std::string::npos)
            err << wording.strMessage.substr(nEnd + 1) << '\n';
        if (!wording.strCommand.empty())
            err << CSyncText::Tr("To settle it, run: %1", {wording.strCommand}) << '\n';
        if (how.bHelp && !bJson)
            err << CSyncText::Tr(CSyncCommand::kHelp);
    }
    if (bJson)
        out << outcome.ToJson() << '\n' << std::flush;
    return outcome.ExitStatus();
}

}   // namespace

int CSyncCommand::Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    CSyncOptions options;
    std::string strProblem;
    if (!options.Parse(args, strProblem)) {
        CSyncOutcome usage;
        usage.kind = EKind::kUsage;
        usage.strMessage = strProblem;
        return Present(usage, options, {false, false, true}, out, err);
    }
    if (options.bHelp || options.bVersion) {
        out << (options.bHelp ? CSyncText::Tr(kHelp) : CToolShell::VersionLine(kProgram) + '\n');
        return ExitStatus::kSuccess;
    }
    const bool bJson = options.report == CSyncOptions::EReport::kJson;
    return CToolShell::Guarded(kProgram, err, [&] {
        if (options.bForget)
            return Present(Forget(options), options, {false, true, false}, out, err);
        if (options.timer != CSyncOptions::ETimer::kNotAsked)
            return Present(Timer(options), options, {}, out, err);
        // With --report json, standard output holds the JSON alone.
        std::ostream& info = bJson ? err : out;
        CSyncRun run(options, info, info);
        if (options.bDiscover)
            return Present(run.Discover(), options, {}, out, err);
        return Present(run.Sync(), options, {true, false, false}, out, err);
    });
}
