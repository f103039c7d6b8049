#include "sync/SyncCommand.h"

#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <fstream>
#include <iostream>
#include <ostream>
#include <stdexcept>

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>

#include "data/DirectoryLock.h"
#include "data/RecordList.h"
#include "sync/CardDavClient.h"
#include "sync/HttpSession.h"
#include "sync/Keyring.h"
#include "sync/SyncEngine.h"
#include "sync/SyncState.h"

namespace {

const char* const kProgram = "dialstack-sync";

struct UsageError : std::runtime_error
{
    using std::runtime_error::runtime_error;
};

struct Options
{
    std::string strFile = "Dialstack.dat";
    std::string strUrl;
    std::string strUser;
    std::string strPasswordFile;
    bool bDryRun = false;
    bool bForce = false;
    bool bVerbose = false;
};

Options ParseOptions(const std::vector<std::string>& args)
{
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption file("file", "", "FILE");
    const QCommandLineOption url("url", "", "URL");
    const QCommandLineOption user("user", "", "NAME");
    const QCommandLineOption passwordFile("password-file", "", "FILE");
    const QCommandLineOption password("password", "", "PASSWORD");
    const QCommandLineOption dryRun("dry-run");
    const QCommandLineOption force("force");
    const QCommandLineOption verbose("verbose");
    parser.addOptions({file, url, user, passwordFile, password, dryRun, force, verbose});
    QStringList arguments{kProgram};
    for (const std::string& arg : args)
        arguments << QString::fromLocal8Bit(arg.c_str());
    if (!parser.parse(arguments))
        throw UsageError(parser.errorText().toStdString());
    if (parser.isSet(password))
        throw UsageError("a password is never taken on the command line: use --password-file FILE, or the keyring");
    if (!parser.positionalArguments().isEmpty())
        throw UsageError("unexpected argument: " + parser.positionalArguments().first().toStdString());
    for (const QCommandLineOption* pOption : {&file, &url, &user, &passwordFile})
        if (parser.values(*pOption).size() > 1)
            throw UsageError("--" + pOption->names().first().toStdString() + " given more than once");
    Options options;
    if (parser.isSet(file))
        options.strFile = parser.value(file).toLocal8Bit().toStdString();
    options.strUrl = parser.value(url).toStdString();
    options.strUser = parser.value(user).toStdString();
    options.strPasswordFile = parser.value(passwordFile).toLocal8Bit().toStdString();
    options.bDryRun = parser.isSet(dryRun);
    options.bForce = parser.isSet(force);
    options.bVerbose = parser.isSet(verbose);
    if (options.strFile.empty())
        throw UsageError("--file needs a file name");
    return options;
}

void Complain(std::ostream& err, const std::string& message)
{
    err << kProgram << ": " << message << '\n';
}

// The password file's first line. Refused when anyone but its owner may
// read it: a password in a file others can read is no longer a secret.
std::string ReadPasswordFile(const std::string& path)
{
    struct stat info;
    if (::stat(path.c_str(), &info) != 0)
        throw UsageError(path + ": the password file cannot be read");
    if ((info.st_mode & (S_IRWXG | S_IRWXO)) != 0)
        throw UsageError(
            path + ": others can read this password file; make it yours alone (chmod 600 " + path + ") and run again");
    std::ifstream in(path, std::ios::binary);
    std::string password;
    if (!in || !std::getline(in, password))
        throw UsageError(path + ": the password file cannot be read");
    if (!password.empty() && password.back() == '\r')
        password.pop_back();
    return password;
}

// Asks on the terminal, without echo; FALSE when there is no terminal.
bool PromptPassword(const std::string& strUser, const QUrl& url, std::string& password, std::ostream& out)
{
    if (!::isatty(STDIN_FILENO))
        return false;
    out << "Password for " << strUser << " at " << url.host().toStdString() << ": " << std::flush;
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
        throw UsageError("--url needs an http:// or https:// address, not "
            + url.toDisplayString(QUrl::RemoveUserInfo).toStdString());
    if (!url.userInfo().isEmpty())
        throw UsageError("give the user name with --user, not inside the URL");
    return url;
}

class Sync
{
public:
    Sync(Options options, std::ostream& out, std::ostream& err)
        : m_options(std::move(options))
        , m_out(out)
        , m_err(err)
    {
    }

    int Run()
    {
        std::string strError;
        if (!m_state.Load(CSyncState::PathFor(m_options.strFile), strError))
            return Fail(strError);
        Configure();

        CDirectoryLock lock;
        CString strWhy;
        if (!lock.TryAcquire(m_options.strFile.c_str(), CDirectoryLock::Kind::Exclusive, strWhy)) {
            Complain(m_err,
                m_options.strFile + ": " + strWhy.GetString()
                    + "; close the Dialstack window that has it open and sync again. Nothing was changed");
            return CSyncCommand::kRefused;
        }
        m_list.LoadFile(m_options.strFile.c_str());
        if (!m_list.IsLoadComplete())
            return Fail(m_options.strFile + ": the directory file could not be read completely; nothing was synced");

        const std::string password = Password();
        m_session.SetCredentials(m_state.m_strUser, password);

        CCardDavClient client(m_session);
        if (m_state.m_strCollectionUrl.empty()) {
            const int nFound = FindAddressBook(client);
            if (nFound != CSyncCommand::kInStep)
                return nFound;
        }
        const QUrl collection(QString::fromStdString(m_state.m_strCollectionUrl));
        if (!m_state.m_strUser.empty() && !CHttpSession::MaySendPassword(collection))
            return Fail("the address book is at " + collection.toDisplayString(QUrl::RemoveUserInfo).toStdString()
                + ", over plain http:// to another machine; a password is never sent that way");
        CSyncReport report(m_options.bDryRun);
        CSyncEngine engine(
            client, collection, m_state, m_list, m_options.strFile, {m_options.bDryRun, m_options.bForce});
        const CSyncEngine::EResult result = engine.Run(report, strError);
        if (result == CSyncEngine::EResult::kFailed) {
            if (m_options.bVerbose)
                PrintReport(report);
            return Fail(strError);
        }
        if (result == CSyncEngine::EResult::kRefused) {
            Complain(m_err, strError);
            return CSyncCommand::kRefused;
        }
        if (m_bPasswordTyped && !m_options.bDryRun)
            CKeyring::Store(m_state.m_strCollectionUrl, m_state.m_strUser, password);
        if (m_options.bVerbose || m_options.bDryRun)
            PrintReport(report);
        else
            m_out << report.SummaryLine() << '\n';
        return CSyncCommand::kInStep;
    }

private:
    int Fail(const std::string& message)
    {
        Complain(m_err, message);
        return CSyncCommand::kFailure;
    }

    void PrintReport(const CSyncReport& report)
    {
        for (const std::string& line : report.Details())
            m_out << line << '\n';
        m_out << report.SummaryLine() << '\n';
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
                throw UsageError(m_options.strFile + " is synced with " + m_state.m_strCollectionUrl
                    + "; to sync it with another address book, first remove " + CSyncState::PathFor(m_options.strFile));
            }
            m_state.m_strServerUrl = given;
        }
        if (m_state.m_strServerUrl.empty())
            throw UsageError(
                "the first sync of " + m_options.strFile + " needs --url (the address book or the server)");
        if (!m_options.strUser.empty())
            m_state.m_strUser = m_options.strUser;
        m_state.m_strDirectoryFile = m_options.strFile;
        const QUrl server(QString::fromStdString(m_state.m_strServerUrl));
        if (!m_state.m_strUser.empty() && !CHttpSession::MaySendPassword(server))
            throw UsageError("a password is never sent over plain http:// except to this machine; use https:// for "
                + server.host().toStdString());
    }

    // The user's password (none without a user name) from the password
    // file, the keyring or the terminal; throws a UsageError when there is
    // none.
    std::string Password()
    {
        std::string password;
        if (m_state.m_strUser.empty())
            return password;
        const std::string& url
            = m_state.m_strCollectionUrl.empty() ? m_state.m_strServerUrl : m_state.m_strCollectionUrl;
        if (!m_options.strPasswordFile.empty()) {
            m_bPasswordTyped = CKeyring::IsAvailable();
            return ReadPasswordFile(m_options.strPasswordFile);
        }
        if (CKeyring::Lookup(url, m_state.m_strUser, password))
            return password;
        if (PromptPassword(m_state.m_strUser, QUrl(QString::fromStdString(url)), password, m_out)) {
            m_bPasswordTyped = true;
            return password;
        }
        throw UsageError("no password for " + m_state.m_strUser + ": the keyring has none; give --password-file FILE");
    }

    int FindAddressBook(CCardDavClient& client)
    {
        std::vector<CCardDavClient::AddressBook> books;
        std::string strError;
        const QUrl server(QString::fromStdString(m_state.m_strServerUrl));
        if (!client.Discover(server, books, strError))
            return Fail(strError);
        if (books.empty())
            return Fail("no address book found at " + server.toDisplayString().toStdString());
        if (books.size() > 1) {
            Complain(m_err, "the server has several address books; run again with --url and one of them:");
            for (const CCardDavClient::AddressBook& book : books)
                m_err << "  " << book.url.toString().toStdString()
                      << (book.strName.empty() ? "" : "  (" + book.strName + ")") << '\n';
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
    bool m_bPasswordTyped = false;
};

}   // namespace

int CSyncCommand::Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    try {
        return Sync(ParseOptions(args), out, err).Run();
    } catch (const UsageError& error) {
        Complain(err, error.what());
        err << QCoreApplication::translate("dialstack-sync",
                   "usage: dialstack-sync [--file DIR/Dialstack.dat] [--url URL] [--user NAME] [--password-file FILE]"
                   " [--dry-run] [--force] [--verbose]\n")
                   .toStdString();
        return kUsage;
    }
}
