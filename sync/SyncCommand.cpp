#include "sync/SyncCommand.h"

#include <signal.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <cstring>
#include <fstream>
#include <iostream>
#include <ostream>
#include <stdexcept>

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSslCertificate>
#include <QStringList>

#include "convert/CommandLine.h"
#include "convert/PrintableText.h"
#include "data/DirectoryLock.h"
#include "data/RecordList.h"
#include "sync/CardDavClient.h"
#include "sync/DesktopNotifier.h"
#include "sync/HttpSession.h"
#include "sync/Keyring.h"
#include "sync/StopSignals.h"
#include "sync/SyncEngine.h"
#include "sync/SyncState.h"
#include "sync/SyncText.h"

const char CSyncCommand::kHelp[] = DIALSTACK_TR_NOOP("DialstackSync",
    "usage: dialstack-sync [--file DIR/Dialstack.dat] [--url URL] [--user NAME] [--password-file FILE]\n"
    "                      [--certificate FILE] [--timeout SECONDS] [--dry-run] [--force] [--verbose]\n"
    "       dialstack-sync --help | --version\n"
    "Keeps the directory file and its CardDAV address book in step. The first run\n"
    "needs --url; the URL, user, password file and certificate are remembered for\n"
    "that directory file. The password comes from --password-file, else the\n"
    "keyring, else the password file remembered when the keyring could not keep\n"
    "it, else a prompt on the terminal.\n"
    "Exit status: 0 in step; 1 failed (nothing lost); 2 bad usage; 3 busy (a\n"
    "window with unsaved changes or another program has the directory: the next\n"
    "run tries again); 4 needs you (the sync would delete too much, the password\n"
    "was refused, or the address book is gone).\n");

namespace {

const char* const kProgram = "dialstack-sync";

std::string Tr(const char* pszSource, std::initializer_list<std::string> arguments = {})
{
    return CSyncText::Tr(pszSource, arguments);
}
constexpr int kDefaultTimeoutSeconds = 60;

struct UsageError : std::runtime_error
{
    using std::runtime_error::runtime_error;
};

// A stop only the user can settle (exit 4): the command says what to run.
struct NeedsYouError : std::runtime_error
{
    NeedsYouError(const std::string& message, std::string command)
        : std::runtime_error(message)
        , strCommand(std::move(command))
    {
    }
    std::string strCommand;
};

struct Options
{
    bool bHelp = false;
    bool bVersion = false;
    std::string strFile = "Dialstack.dat";
    std::string strUrl;
    std::string strUser;
    std::string strPasswordFile;
    std::string strCertificate;
    int nTimeoutSeconds = kDefaultTimeoutSeconds;
    bool bDryRun = false;
    bool bForce = false;
    bool bVerbose = false;
};

std::string Local(const QString& text)
{
    return text.toLocal8Bit().toStdString();
}

Options ParseOptions(const std::vector<std::string>& args)
{
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList{"h", "help"});
    const QCommandLineOption version("version");
    const QCommandLineOption file("file", "", "FILE");
    const QCommandLineOption url("url", "", "URL");
    const QCommandLineOption user("user", "", "NAME");
    const QCommandLineOption passwordFile("password-file", "", "FILE");
    const QCommandLineOption password("password", "", "PASSWORD");
    const QCommandLineOption certificate("certificate", "", "FILE");
    const QCommandLineOption timeout("timeout", "", "SECONDS");
    const QCommandLineOption dryRun("dry-run");
    const QCommandLineOption force("force");
    const QCommandLineOption verbose("verbose");
    parser.addOptions(
        {help, version, file, url, user, passwordFile, password, certificate, timeout, dryRun, force, verbose});
    QStringList arguments{kProgram};
    for (const std::string& arg : args)
        arguments << QString::fromLocal8Bit(arg.c_str());
    if (!parser.parse(arguments))
        throw UsageError(Local(parser.errorText()));
    Options options;
    options.bHelp = parser.isSet(help);
    options.bVersion = parser.isSet(version);
    if (options.bHelp || options.bVersion)
        return options;
    if (parser.isSet(password))
        throw UsageError(
            CSyncText::Tr("a password is never taken on the command line: use --password-file FILE, or the keyring"));
    if (!parser.positionalArguments().isEmpty())
        throw UsageError(CSyncText::Tr("unexpected argument: %1", {Local(parser.positionalArguments().first())}));
    for (const QCommandLineOption* pOption : {&file, &url, &user, &passwordFile, &certificate, &timeout})
        if (parser.values(*pOption).size() > 1)
            throw UsageError(CSyncText::Tr("--%1 given more than once", {pOption->names().first().toStdString()}));
    if (parser.isSet(file))
        options.strFile = Local(parser.value(file));
    options.strUrl = parser.value(url).toStdString();
    options.strUser = parser.value(user).toStdString();
    options.strPasswordFile = Local(parser.value(passwordFile));
    options.strCertificate = Local(parser.value(certificate));
    if (parser.isSet(timeout)) {
        bool bNumber = false;
        options.nTimeoutSeconds = parser.value(timeout).toInt(&bNumber);
        if (!bNumber || options.nTimeoutSeconds < 1 || options.nTimeoutSeconds > 3600)
            throw UsageError(CSyncText::Tr("--timeout needs a number of seconds from 1 to 3600"));
    }
    options.bDryRun = parser.isSet(dryRun);
    options.bForce = parser.isSet(force);
    options.bVerbose = parser.isSet(verbose);
    if (const std::string problem = CCommandLine::DirectoryFileProblem(options.strFile); !problem.empty())
        throw UsageError(problem);
    return options;
}

void Complain(std::ostream& err, const std::string& message)
{
    CCommandLine::Complain(kProgram, err, message);
}

std::string AbsolutePath(const std::string& path)
{
    return Local(QFileInfo(QString::fromLocal8Bit(path.c_str())).absoluteFilePath());
}

// A word of a command line the user can paste into a shell.
std::string ShellWord(const std::string& word)
{
    if (word.find_first_not_of("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789/._-+=:@%,")
        == std::string::npos)
        return word;
    std::string quoted = "'";
    for (const char c : word)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

// The password file's first line. Refused when anyone but its owner may
// read it: a password in a file others can read is no longer a secret.
std::string ReadPasswordFile(const std::string& path)
{
    struct stat info;
    if (::stat(path.c_str(), &info) != 0)
        throw UsageError(CSyncText::Tr("%1: the password file cannot be read", {path}));
    if ((info.st_mode & (S_IRWXG | S_IRWXO)) != 0)
        throw UsageError(CSyncText::Tr(
            "%1: others can read this password file; make it yours alone (chmod 600 %1) and run again", {path}));
    std::ifstream in(path, std::ios::binary);
    std::string password;
    if (!in || !std::getline(in, password))
        throw UsageError(CSyncText::Tr("%1: the password file cannot be read", {path}));
    if (!password.empty() && password.back() == '\r')
        password.pop_back();
    return password;
}

// Asks on the terminal, without echo; FALSE when there is no terminal.
bool PromptPassword(const std::string& strUser, const QUrl& url, std::string& password, std::ostream& out)
{
    if (!::isatty(STDIN_FILENO))
        return false;
    out << CSyncText::Tr("Password for %1 at %2: ", {strUser, url.host().toStdString()}) << std::flush;
    termios saved;
    const bool bTerminal = ::tcgetattr(STDIN_FILENO, &saved) == 0;
    if (bTerminal) {
        termios quiet = saved;
        quiet.c_lflag &= static_cast<tcflag_t>(~ECHO);
        ::tcsetattr(STDIN_FILENO, TCSANOW, &quiet);
    }
    std::getline(std::cin, password);
    if (bTerminal)
        ::tcsetattr(STDIN_FILENO, TCSANOW, &saved);
    out << '\n';
    return true;
}

QUrl UserUrl(const std::string& text)
{
    const QUrl url = QUrl::fromUserInput(QString::fromStdString(text));
    if (!url.isValid() || (url.scheme() != "http" && url.scheme() != "https") || url.host().isEmpty())
        throw UsageError(CSyncText::Tr("--url needs an http:// or https:// address, not %1",
            {url.toDisplayString(QUrl::RemoveUserInfo).toStdString()}));
    if (!url.userInfo().isEmpty())
        throw UsageError(CSyncText::Tr("give the user name with --user, not inside the URL"));
    return url;
}

// The signal that stopped the sync, as the user sent it.
std::string SignalName(int nSignal)
{
    return nSignal == SIGINT ? "Ctrl+C" : "SIGTERM";
}

std::string DisplayUrl(const QUrl& url)
{
    return url.toDisplayString(QUrl::RemoveUserInfo).toStdString();
}

class Sync
{
public:
    DIALSTACK_TR_CONTEXT(DialstackSync)

    Sync(Options options, std::ostream& out, std::ostream& err)
        : m_options(std::move(options))
        , m_out(out)
        , m_err(err)
    {
    }

    int Run()
    {
        if (const int nStatus = CheckFolder(); nStatus >= 0)
            return nStatus;
        // The lock comes first: the state read under it is the one the last
        // writer left.
        CDirectoryLock lock;
        CString strWhy;
        if (!lock.TryAcquire(m_options.strFile.c_str(), CDirectoryLock::Kind::Exclusive, strWhy)) {
            if (!lock.WasHeldElsewhere()) {
                Complain(m_err, m_options.strFile + ": " + strWhy.GetString());
                return CSyncCommand::kFailure;
            }
            Complain(m_err,
                Tr("%1: a Dialstack window has unsaved changes in it, or another program is changing it."
                   " Nothing was synced; the next sync after you save takes the window's changes",
                    {m_options.strFile}));
            return CSyncCommand::kBusy;
        }
        std::string strError;
        if (!m_state.Load(StatePath(), strError))
            return Fail(strError);
        Configure();
        if (!TrustCertificate(strError))
            return Fail(strError);

        m_list.LoadFile(m_options.strFile.c_str());
        if (!m_list.IsLoadComplete())
            return Fail(Tr("%1: the directory file could not be read completely; nothing was synced", {m_options.strFile}));

        const std::string password = Password();
        const QUrl server(QString::fromStdString(m_state.m_strServerUrl));
        m_session.SetOrigin(server);
        m_session.SetCredentials(m_state.m_strUser, password);
        m_session.SetDeadline(m_options.nTimeoutSeconds);
        CStopSignals stops([this](int nSignal) { m_session.Stop(Tr("stopped by %1", {SignalName(nSignal)})); });

        CCardDavClient client(m_session);
        if (m_state.m_strCollectionUrl.empty()) {
            const int nFound = FindAddressBook(client);
            if (nFound != CSyncCommand::kInStep)
                return Stopped(stops, nFound);
        }
        const QUrl collection(QString::fromStdString(m_state.m_strCollectionUrl));
        if (!CHttpSession::IsSameOrigin(collection, server))
            return Fail(Tr("the address book is at %1, on another server than %2; remove %3 and give the address"
                           " book with --url",
                {DisplayUrl(collection), DisplayUrl(server), StatePath()}));
        CSyncReport report(m_options.bDryRun);
        CSyncEngine engine(
            client, collection, m_state, m_list, m_options.strFile, {m_options.bDryRun, m_options.bForce});
        const CSyncEngine::EResult result = engine.Run(report, strError);
        if (stops.Received() != 0)
            return Stopped(stops, CSyncCommand::kFailure);
        if (result == CSyncEngine::EResult::kFailed) {
            if (m_options.bVerbose)
                PrintReport(report);
            return Failed(collection, strError);
        }
        if (result == CSyncEngine::EResult::kRefused) {
            if (m_options.bDryRun)
                PrintReport(report);
            throw NeedsYouError(
                strError, Tr("%1 --dry-run --verbose   (then %1 --force, if that is what you want)", {Command()}));
        }
        if (m_options.bVerbose || m_options.bDryRun)
            PrintReport(report);
        else
            m_out << report.SummaryLine() << '\n';
        if (!m_options.bDryRun)
            KeepPassword(password);
        Notifier().Forget();
        return CSyncCommand::kInStep;
    }

    // "dialstack-sync --file FILE", for a message.
    std::string Command() const { return std::string(kProgram) + " --file " + ShellWord(AbsolutePath(m_options.strFile)); }

    CDesktopNotifier Notifier() const
    {
        QDir().mkpath(QFileInfo(QString::fromLocal8Bit(StatePath().c_str())).absolutePath());
        return CDesktopNotifier(StatePath() + ".notified");
    }

private:
    std::string StatePath() const { return CSyncState::PathFor(m_options.strFile); }

    int Fail(const std::string& message)
    {
        Complain(m_err, message);
        return CSyncCommand::kFailure;
    }

    int Stopped(CStopSignals& stops, int nStatus)
    {
        if (stops.Received() == 0)
            return nStatus;
        return Fail(Tr("stopped by %1; what was synced is kept, and the next sync goes on from there",
            {SignalName(stops.Received())}));
    }

    [[noreturn]] void PasswordRefused(const std::string& strError) const
    {
        throw NeedsYouError(strError, Tr("%1 --password-file FILE   (FILE: the new password, chmod 600)", {Command()}));
    }

    // A failed sync; a refused password or a vanished address book needs
    // the user.
    int Failed(const QUrl& collection, const std::string& strError)
    {
        const int nStatus = m_session.LastStatus();
        if (nStatus == 401 && !m_state.m_strUser.empty())
            PasswordRefused(strError);
        if ((nStatus == 404 || nStatus == 410)
            && m_session.LastUrl().path(QUrl::FullyEncoded) == collection.path(QUrl::FullyEncoded))
            throw NeedsYouError(
                Tr("the address book %1 is gone from the server; nothing was changed here", {DisplayUrl(collection)}),
                Tr("rm %1; %2 --url URL-OF-THE-ADDRESS-BOOK", {ShellWord(StatePath()), Command()}));
        return Fail(strError);
    }

    void PrintReport(const CSyncReport& report)
    {
        for (const std::string& line : report.Details())
            m_out << line << '\n';
        m_out << report.SummaryLine() << '\n';
    }

    // The folder must exist and take a new file: the directory file is
    // saved by replacing it, and its lock file lives beside it.
    int CheckFolder()
    {
        const QFileInfo info(QString::fromLocal8Bit(m_options.strFile.c_str()));
        const QFileInfo folder(info.absolutePath());
        const std::string path = Local(folder.absoluteFilePath());
        if (!folder.isDir())
            return Fail(Tr("%1: the folder %2 does not exist; nothing was synced", {m_options.strFile, path}));
        if (!folder.isWritable())
            return Fail(Tr("%1: the folder %2 is read-only, so the directory file cannot be saved there; nothing was"
                           " synced",
                {m_options.strFile, path}));
        if (info.isDir())
            return Fail(Tr("%1: is a folder, not a directory file; nothing was synced", {m_options.strFile}));
        return -1;
    }

    // Where to sync, from the options or from the last sync of this file;
    // throws a UsageError when that cannot be.
    void Configure()
    {
        if (!m_options.strUrl.empty()) {
            const QUrl url = UserUrl(m_options.strUrl);
            const std::string given = url.toString().toStdString();
            if (!m_state.m_strCollectionUrl.empty() && given != m_state.m_strCollectionUrl
                && given != m_state.m_strServerUrl) {
                throw UsageError(Tr("%1 is synced with %2; to sync it with another address book, first remove %3",
                    {m_options.strFile, m_state.m_strCollectionUrl, StatePath()}));
            }
            m_state.m_strServerUrl = given;
        }
        if (m_state.m_strServerUrl.empty())
            throw UsageError(Tr("the first sync of %1 needs --url (the address book or the server)", {m_options.strFile}));
        if (!m_options.strUser.empty())
            m_state.m_strUser = m_options.strUser;
        m_state.m_strDirectoryFile = m_options.strFile;
        const QUrl server(QString::fromStdString(m_state.m_strServerUrl));
        if (!m_state.m_strUser.empty() && !CHttpSession::MaySendPassword(server))
            throw UsageError(
                Tr("a password is never sent over plain http:// except to this machine; use https:// for %1",
                    {server.host().toStdString()}));
    }

    // The certificate given now, or remembered for this directory file,
    // trusted for the server.
    bool TrustCertificate(std::string& strError)
    {
        const bool bGiven = !m_options.strCertificate.empty();
        const std::string path = bGiven ? AbsolutePath(m_options.strCertificate) : m_state.m_strCertificateFile;
        if (path.empty())
            return true;
        const QList<QSslCertificate> certificates
            = QSslCertificate::fromPath(QString::fromLocal8Bit(path.c_str()), QSsl::Pem);
        if (certificates.isEmpty()) {
            if (bGiven)
                throw UsageError(Tr("%1: holds no certificate (PEM) that can be read", {m_options.strCertificate}));
            strError = Tr("%1: the certificate remembered for this server cannot be read; give it again with"
                          " --certificate FILE",
                {path});
            return false;
        }
        m_session.SetTrustedCertificates(certificates);
        m_state.m_strCertificateFile = path;
        return true;
    }

    // The user's password (none without a user name): --password-file, the
    // keyring, the file remembered when the keyring could not keep one, or
    // the terminal; throws a UsageError when there is none.
    std::string Password()
    {
        std::string password;
        if (m_state.m_strUser.empty())
            return password;
        if (!m_options.strPasswordFile.empty()) {
            m_bPasswordGiven = true;
            return ReadPasswordFile(m_options.strPasswordFile);
        }
        if (CKeyring::Lookup(KeyringUrl(), m_state.m_strUser, password))
            return password;
        if (!m_state.m_strPasswordFile.empty())
            return ReadRememberedPasswordFile();
        if (PromptPassword(m_state.m_strUser, QUrl(QString::fromStdString(KeyringUrl())), password, m_out)) {
            m_bPasswordGiven = true;
            return password;
        }
        throw UsageError(
            CSyncText::Tr("no password for %1: the keyring has none; give --password-file FILE", {m_state.m_strUser}));
    }

    // The remembered file is checked as on the first day: a file others
    // may read now, or one that is gone, stops the sync until the user
    // sees to it.
    std::string ReadRememberedPasswordFile()
    {
        try {
            return ReadPasswordFile(m_state.m_strPasswordFile);
        } catch (const UsageError& error) {
            throw NeedsYouError(error.what(), CSyncText::Tr("%1 --password-file FILE", {Command()}));
        }
    }

    std::string KeyringUrl() const
    {
        return m_state.m_strCollectionUrl.empty() ? m_state.m_strServerUrl : m_state.m_strCollectionUrl;
    }

    // After a successful sync, a password that was given is kept in the
    // keyring; where the keyring cannot keep it, the password file's path
    // is remembered instead (never the password).
    void KeepPassword(const std::string& password)
    {
        if (!m_bPasswordGiven)
            return;
        std::string remembered;
        if (!CKeyring::Store(m_state.m_strCollectionUrl, m_state.m_strUser, password)) {
            if (m_options.strPasswordFile.empty())
                return;
            remembered = AbsolutePath(m_options.strPasswordFile);
        }
        if (remembered == m_state.m_strPasswordFile)
            return;
        m_state.m_strPasswordFile = remembered;
        std::string strError;
        if (!m_state.Save(strError)) {
            Complain(m_err, strError);
            return;
        }
        if (!remembered.empty())
            m_out << Tr("The password could not be kept in the keyring (none is running); from now on the file %1"
                        " is read for it. Keep it readable by you alone.",
                {remembered})
                  << '\n';
    }

    int FindAddressBook(CCardDavClient& client)
    {
        std::vector<CCardDavClient::AddressBook> books;
        std::string strError;
        const QUrl server(QString::fromStdString(m_state.m_strServerUrl));
        if (!client.Discover(server, books, strError)) {
            // A stop is said once, by the caller, with what it means.
            if (m_session.IsStopped())
                return CSyncCommand::kFailure;
            if (m_session.LastStatus() == 401 && !m_state.m_strUser.empty())
                PasswordRefused(strError);
            return Fail(strError);
        }
        if (books.empty())
            return Fail(Tr("no address book found at %1 for %2; create one on the server (in its web page, or with"
                           " your phone's contacts app), then sync again",
                {DisplayUrl(server), m_state.m_strUser.empty() ? Tr("this user") : m_state.m_strUser}));
        if (books.size() > 1) {
            Complain(m_err, Tr("the server has several address books; run again with --url and one of them:"));
            for (const CCardDavClient::AddressBook& book : books)
                m_err << "  " << Printable(DisplayUrl(book.url))
                      << (book.strName.empty() ? "" : "  (" + Printable(book.strName) + ")") << '\n';
            return CSyncCommand::kUsage;
        }
        m_state.m_strCollectionUrl = books.front().url.toString().toStdString();
        return CSyncCommand::kInStep;
    }

    Options m_options;
    std::ostream& m_out;
    std::ostream& m_err;
    CSyncState m_state;
    CRecordList m_list;
    CHttpSession m_session;
    bool m_bPasswordGiven = false;
};

// Whether a person is watching: with a terminal, the message on it is
// enough; without one (a timer), the desktop is told.
bool IsUnattended()
{
    return !::isatty(STDIN_FILENO) && !::isatty(STDERR_FILENO);
}

}   // namespace

int CSyncCommand::Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    Options options;
    try {
        options = ParseOptions(args);
    } catch (const UsageError& error) {
        Complain(err, error.what());
        err << Tr(kHelp);
        return kUsage;
    }
    if (options.bHelp || options.bVersion) {
        out << (options.bHelp ? Tr(kHelp) : CCommandLine::VersionLine(kProgram) + '\n');
        return kInStep;
    }
    return CCommandLine::Guarded(kProgram, err, [&] {
        Sync sync(options, out, err);
        try {
            return sync.Run();
        } catch (const UsageError& error) {
            Complain(err, error.what());
            return int(kUsage);
        } catch (const NeedsYouError& error) {
            Complain(err, error.what());
            err << Tr("To settle it, run: %1", {error.strCommand}) << '\n';
            if (IsUnattended())
                sync.Notifier().Notify(Printable(error.what(), 600), error.strCommand);
            return int(kNeedsYou);
        }
    });
}
