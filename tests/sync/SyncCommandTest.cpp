// The sync's command line as a timer and a user meet it: exit statuses and
// their messages, the password kept without a keyring, discovery and
// redirects that point elsewhere, a server too slow, a stop by signal, and
// https with a certificate of the user's own.
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <set>

#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QSslCertificate>
#include <QStandardPaths>
#include <QTcpServer>
#include <QThread>
#include <QTranslator>

#include "base/ExitStatus.h"
#include "data/DirectoryLock.h"
#include "data/SyncOutcome.h"
#include "sync/OutcomeWording.h"
#include "sync/SyncCommand.h"
#include "sync/SyncReport.h"
#include "sync/SyncState.h"
#include "tests/support/FileBytes.h"
#include "tests/support/ScratchDirectory.h"
#include "tests/support/TestRecord.h"
#include "tests/sync/CardDavTestServer.h"
#include "tests/sync/SyncMachine.h"

namespace {

namespace fs = std::filesystem;
using Outcome = SyncMachine::Outcome;

std::string FreePort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return std::to_string(probe.serverPort());
}

// A sync of url as "user", with the password in the file given or else in
// a new one holding "secret" (the last argument).
std::vector<std::string> AsUser(const std::string& url, std::string passwordFile = "")
{
    if (passwordFile.empty())
        passwordFile = SyncMachine::OwnPasswordFile(fs::current_path(), "secret");
    return {"--url", url, "--user", "user", "--password-file", passwordFile};
}

// The exit status, and each text somewhere in the output.
void ExpectOutcome(const Outcome& outcome, int nStatus, const std::vector<std::string>& texts)
{
    EXPECT_EQ(nStatus, outcome.nStatus) << outcome.text;
    for (const std::string& text : texts)
        EXPECT_NE(std::string::npos, outcome.text.find(text)) << "no \"" << text << "\" in: " << outcome.text;
}

// The program itself, with its state and configuration in folder, input
// on its standard input (then closed): standard output and error apart.
struct Ran
{
    int nStatus = -1;
    std::string out;
    std::string err;
};
Ran RunProgram(const std::vector<std::string>& args, const std::string& input = "",
    const fs::path& folder = fs::current_path())
{
    QProcess sync;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_STATE_HOME", QString::fromStdString((folder / "state").string()));
    environment.insert("XDG_CONFIG_HOME", QString::fromStdString((folder / "config").string()));
    sync.setProcessEnvironment(environment);
    QStringList arguments;
    for (const std::string& arg : args)
        arguments << QString::fromStdString(arg);
    sync.start(DIALSTACK_SYNC_BINARY, arguments);
    sync.waitForStarted();
    sync.write(input.data(), static_cast<qint64>(input.size()));
    sync.closeWriteChannel();
    sync.waitForFinished(60000);
    return {sync.exitCode(), sync.readAllStandardOutput().toStdString(), sync.readAllStandardError().toStdString()};
}

// The outcome a --report json run printed: one line, and nothing else.
CSyncOutcome JsonOutcome(const Ran& ran)
{
    CSyncOutcome outcome;
    EXPECT_EQ(ran.out.find('\n'), ran.out.size() - 1) << ran.out;
    EXPECT_TRUE(CSyncOutcome::FromJson(ran.out, outcome)) << ran.out << ran.err;
    return outcome;
}

// A program started for the test, ended with it.
class Child
{
public:
    Child(const QString& program, const QStringList& arguments) { m_process.start(program, arguments); }
    ~Child()
    {
        m_process.kill();
        m_process.waitForFinished();
    }

protected:
    QProcess m_process;
};

// tests/sync/fake-dav-server.py in one of its modes, on a free port.
class FakeServer : public Child
{
public:
    FakeServer(const std::string& mode, const std::string& host, const std::string& target = "")
        : Child("python3",
            {DIALSTACK_SYNC_FAKE_SERVER, QString::fromStdString(mode), QString::fromStdString(host),
                QString::fromStdString(target)})
        , m_host(host)
    {
        if (m_process.waitForReadyRead(10000))
            m_port = m_process.readLine().trimmed().toStdString();
    }
    std::string Url() const { return "http://" + m_host + ":" + m_port + "/"; }
    // What reached a recording server so far.
    std::string Requests()
    {
        QThread::msleep(200);
        return m_process.readAllStandardError().toStdString();
    }

private:
    std::string m_host;
    std::string m_port;
};

// What the command line, the directory file, its folder or the password
// file stop before the network (or at it), each with its exit status and a
// message that names the file at fault.
TEST(SyncRunTest, CommandLineFileAndFolderStatuses)
{
    ScratchDirectory scratch;
    const std::string url = "http://127.0.0.1:9/";
    WriteFileBytes("not-a-certificate.pem", "hello\n");
    const std::string whole = DirectoryBytes({{"Vet", "555 0199", "", "", ""}});
    WriteFileBytes("damaged.dat", whole.substr(0, whole.size() - 3));
    WriteFileBytes("busy.dat", whole);
    CDirectoryLock window;
    CString strWhy;
    ASSERT_TRUE(window.TryAcquire("busy.dat", CDirectoryLock::Kind::Shared, strWhy));
    // Password files: none, an empty one, one others may read.
    const auto passwordFile = [&](const char* pszName) { return (scratch.Path() / pszName).string(); };
    const std::string none = passwordFile("none"), empty = passwordFile("empty"), shared = passwordFile("shared");
    WriteFileBytes(empty, "");
    ::chmod(empty.c_str(), 0600);
    WriteFileBytes(shared, "secret\n");
    ::chmod(shared.c_str(), 0640);
    struct Row
    {
        std::vector<std::string> args;
        int nStatus;
        std::vector<std::string> texts;
    };
    std::vector<Row> rows = {
        {{"--help"}, ExitStatus::kSuccess, {"4 needs you"}},
        {{"--version"}, ExitStatus::kSuccess, {"dialstack-sync "}},
        {{"--url"}, ExitStatus::kUsage, {"Missing value"}},
        {{"--file", " ", "--url", url}, ExitStatus::kUsage, {"--file needs a file name"}},
        {{"--url", url, "--timeout", "0"}, ExitStatus::kUsage, {"--timeout needs a number of seconds from 1 to"}},
        {{"--url", url, "--certificate", "not-a-certificate.pem"}, ExitStatus::kUsage, {"holds no certificate"}},
        {AsUser(url, none), ExitStatus::kUsage, {"dialstack-sync: " + none + ": the password file cannot be read\n"}},
        {AsUser(url, empty), ExitStatus::kUsage,
            {"dialstack-sync: " + empty + ": the password file cannot be read\n"}},
        {AsUser(url, shared), ExitStatus::kUsage,
            {"dialstack-sync: " + shared + ": others can read this password file; make it yours alone (chmod 600 "
                + shared + ") and run again\n"}},
        {{"--file", "gone/Dialstack.dat", "--url", url}, ExitStatus::kFailure, {"gone: the folder does not exist"}},
        {{"--file", "damaged.dat", "--url", url}, ExitStatus::kFailure,
            {"dialstack-sync: damaged.dat: the directory file could not be read completely; nothing was synced\n"}},
        {{"--file", "busy.dat", "--url", url}, ExitStatus::kBusy,
            {"has unsaved changes", "the next sync after you save"}},
        {{"-file", "busy.dat", "-url", url}, ExitStatus::kBusy, {"has unsaved changes"}},
        {{"--url", url, "--timeout", "1"}, ExitStatus::kFailure, {"127.0.0.1: Connection refused"}},
    };
    // A folder that takes no new file: one of this test's own where the
    // user may not write, else (for root) one of the system's.
    fs::create_directory("locked");
    ::chmod("locked", 0555);
    const std::string folder = ::access("locked", W_OK) == 0 ? "/proc/sys" : "locked";
    if (::access(folder.c_str(), W_OK) != 0)
        rows.push_back({{"--file", folder + "/Dialstack.dat", "--url", url}, ExitStatus::kFailure, {"is read-only"}});
    for (const Row& row : rows) {
        std::string trace;
        for (const std::string& arg : row.args)
            trace += arg + " ";
        SCOPED_TRACE(trace);
        ExpectOutcome(SyncMachine::Run(row.args), row.nStatus, row.texts);
    }
    ::chmod("locked", 0755);
}

TEST(SyncRunTest, DeletionMessageListsAScreenfulOfNamesSafely)
{
    std::vector<CString> names;
    for (int i = 0; i < 23; ++i)
        names.push_back(CString(("N" + std::to_string(i)).c_str()));
    names[0] = CString("Evil\x1B[2J");
    const std::string text = CSyncReport::NameList(names);
    EXPECT_NE(std::string::npos, text.find("\"Evil\\x1B[2J\", \"N1\"")) << text;
    EXPECT_NE(std::string::npos, text.find("\"N19\" and 3 more")) << text;
    EXPECT_EQ(std::string::npos, text.find("N20")) << text;
}

// The report, done in English word for word, as a dry run in French (whose
// catalogue maps each English text, so a wrong one shows there too) and in
// German with its plural forms: what each record gets, here and on the
// server, and the counts.
TEST(SyncRunTest, TheReportSaysEachChangeAndTheCountsInTheUsersLanguage)
{
    const auto item = [](CSyncItem::ELocal local, CSyncItem::ERemote remote, const char* pszName, bool bCopy) {
        CSyncItem made;
        made.local = local;
        made.remote = remote;
        made.fields = ToFields({pszName, "1", "", "", ""});
        made.bConflictCopy = bCopy;
        return made;
    };
    using L = CSyncItem::ELocal;
    using R = CSyncItem::ERemote;
    const CSyncItem items[] = {item(L::kAdd, R::kKeep, "Ada", false), item(L::kKeep, R::kUpdate, "Bo", false),
        item(L::kDelete, R::kKeep, "Cy", false), item(L::kKeep, R::kDelete, "Di", false),
        item(L::kKeep, R::kDelete, "Ed", false), item(L::kAdd, R::kCreate, "Fay (2)", true)};
    const struct
    {
        const char* pszLanguage;
        bool bDryRun;
        std::vector<std::string> details;
        const char* pszSummary;
    } rows[] = {
        {"", false,
            {"added here: \"Ada\"", "changed on the server: \"Bo\"", "deleted here: \"Old\"",
                "deleted on the server: \"Di\"", "deleted on the server: \"Ed\"",
                "kept both versions of a record changed on both sides: the server's, and this machine's as \"Fay (2)\"",
                "added here: \"Fay (2)\"", "added on the server: \"Fay (2)\""},
            "Here: 2 added, 0 changed, 1 deleted; on the server: 1 added, 1 changed, 2 deleted; 1 conflict kept as a copy"},
        {"fr", true,
            {"serait ajoutée ici\u00a0: «\u00a0Ada\u00a0»", "serait modifiée sur le serveur\u00a0: «\u00a0Bo\u00a0»",
                "serait supprimée ici\u00a0: «\u00a0Old\u00a0»",
                "serait supprimée sur le serveur\u00a0: «\u00a0Di\u00a0»",
                "serait supprimée sur le serveur\u00a0: «\u00a0Ed\u00a0»",
                "les deux versions d'une fiche modifiée des deux côtés seraient gardées\u00a0: celle du serveur, et"
                " celle de cette machine sous «\u00a0Fay (2)\u00a0»",
                "serait ajoutée ici\u00a0: «\u00a0Fay (2)\u00a0»",
                "serait ajoutée sur le serveur\u00a0: «\u00a0Fay (2)\u00a0»"},
            "Essai à blanc, rien n'a été modifié. Résultat prévu ici\u00a0: 2 ajoutées, 0 modifiée, 1 supprimée\u202f;"
            " sur le serveur\u00a0: 1 ajoutée, 1 modifiée, 2 supprimées\u202f; 1 conflit gardé en copie"},
        {"de", false, {}, "Hier: 2 hinzugefügt, 0 geändert, 1 gelöscht; auf dem Server: 1 hinzugefügt, 1 geändert,"
                          " 2 gelöscht; 1 Konflikt als Kopie behalten"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.pszLanguage);
        QTranslator catalogue;
        if (*row.pszLanguage) {
            ASSERT_TRUE(catalogue.load(QString("dialstack_") + row.pszLanguage, DIALSTACK_TRANSLATIONS_FOLDER));
            QCoreApplication::installTranslator(&catalogue);
        }
        CSyncReport report(row.bDryRun);
        for (const CSyncItem& each : items) {
            report.Here(each, ToFields({"Old", "2", "", "", ""}));
            report.There(each);
        }
        if (!row.details.empty()) {
            EXPECT_EQ(report.Details(), row.details);
        }
        EXPECT_EQ(report.SummaryLine(), row.pszSummary);
        QCoreApplication::removeTranslator(&catalogue);
    }
}

// Messages worded in code, in the user's language: a refusal before
// anything is sent, discovery or a redirect that points elsewhere, and how
// many names a list leaves out, in the language's form for one and many.
TEST(SyncRunTest, MessagesWordedInCodeAreInTheUsersLanguage)
{
    ScratchDirectory scratch;
    const std::string password = SyncMachine::OwnPasswordFile(scratch.Path(), "secret");
    FakeServer other("record", "127.0.0.2");
    const std::string elsewhere = other.Url().substr(0, other.Url().size() - 1);
    const struct
    {
        const char* pszLanguage;
        const char* pszMode;   // the fake server's; nullptr: a server far away over plain http
        std::string expected;
    } rows[] = {
        {"de", nullptr,
            "dialstack-sync: ein Passwort wird über unverschlüsseltes http:// nur an diesen Rechner gesendet; nutzen"
            " Sie https:// für example.org\n"},
        {"fr", "redirect",
            "dialstack-sync: le serveur a renvoyé ce programme vers " + elsewhere
                + ", un autre serveur\u202f; il ne parle"},
        {"es", "home", "dialstack-sync: el servidor remite a otro servidor, " + elsewhere + ", para las libretas"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.pszLanguage);
        QTranslator catalogue;
        ASSERT_TRUE(catalogue.load(QString("dialstack_") + row.pszLanguage, DIALSTACK_TRANSLATIONS_FOLDER));
        QCoreApplication::installTranslator(&catalogue);
        std::unique_ptr<FakeServer> server;
        if (row.pszMode)
            server = std::make_unique<FakeServer>(row.pszMode, "127.0.0.1", other.Url() + "user/");
        const Outcome outcome = SyncMachine::Run(
            {"--url", server ? server->Url() : "http://example.org/", "--user", "user", "--password-file", password});
        EXPECT_NE(std::string::npos, outcome.text.find(row.expected)) << outcome.text;
        QCoreApplication::removeTranslator(&catalogue);
    }

    QTranslator german;
    ASSERT_TRUE(german.load("dialstack_de", DIALSTACK_TRANSLATIONS_FOLDER));
    QCoreApplication::installTranslator(&german);
    for (const auto& [nNames, pszEnd] :
        {std::pair<int, const char*>{21, "„N19“ und 1 weiterer"}, {23, "„N19“ und 3 weitere"}}) {
        std::vector<CString> names;
        for (int i = 0; i < nNames; ++i)
            names.push_back(CString(("N" + std::to_string(i)).c_str()));
        const std::string text = CSyncReport::NameList(names);
        EXPECT_EQ(pszEnd, text.substr(text.rfind(", ") + 2)) << text;
    }
    QCoreApplication::removeTranslator(&german);
}

// Discovery, or a redirect, that points to another host or port: nothing
// is sent there (so neither is the password), and the message names it.
TEST(SyncRunTest, NothingGoesToAnotherServer)
{
    struct Row
    {
        const char* pszMode;
        const char* pszOtherHost;
        const char* pszPath;
    } rows[] = {
        {"principal", "127.0.0.2", "principals/user/"},
        {"home", "127.0.0.2", "user/"},
        {"redirect", "127.0.0.1", ""},
    };
    for (const Row& row : rows) {
        ScratchDirectory scratch;
        FakeServer other("record", row.pszOtherHost);
        FakeServer server(row.pszMode, "127.0.0.1", other.Url() + row.pszPath);
        SCOPED_TRACE(row.pszMode);
        ExpectOutcome(SyncMachine::Run(AsUser(server.Url())), ExitStatus::kFailure,
            {other.Url().substr(0, other.Url().size() - 1) + ", "});
        EXPECT_EQ("", other.Requests());
    }
}

// The configured server itself gets the credentials, and learns who asks.
// A password file written with either line end gives the same password.
TEST(SyncRunTest, TheServerGivenGetsThePasswordAndTheProgramsName)
{
    for (const char* pszLineEnd : {"\n", "\r\n"}) {
        ScratchDirectory scratch;
        FakeServer server("record", "127.0.0.1");
        const std::string password = SyncMachine::OwnPasswordFile(scratch.Path(), std::string("secret") + pszLineEnd);
        ExpectOutcome(SyncMachine::Run(AsUser(server.Url(), password)), ExitStatus::kFailure, {});
        const std::string requests = server.Requests();
        EXPECT_NE(std::string::npos, requests.find("Authorization: Basic dXNlcjpzZWNyZXQ=\n")) << requests;
        EXPECT_NE(std::string::npos, requests.find("User-Agent: dialstack-sync/")) << requests;
    }
}

// --report json: one line on standard output whatever the status, the
// message on standard error; a sync's outcome is kept for a window, a
// busy run's and a bad command line's are not.
TEST(SyncRunTest, TheJsonReportIsOneLineForEachStatus)
{
    ScratchDirectory scratch;
    ::setenv("XDG_STATE_HOME", (scratch.Path() / "state").c_str(), 1);
    WriteFileBytes("busy.dat", DirectoryBytes({{"Vet", "555 0199", "", "", ""}}));
    CDirectoryLock window;
    CString strWhy;
    ASSERT_TRUE(window.TryAcquire("busy.dat", CDirectoryLock::Kind::Shared, strWhy));
    FakeServer server("record", "127.0.0.1");
    using EKind = CSyncOutcome::EKind;
    const struct
    {
        std::vector<std::string> args;
        int nStatus;
        EKind kind;
        bool bKept;
    } rows[] = {
        {{"--url", "http://127.0.0.1:9/", "--timeout", "1"}, ExitStatus::kFailure, EKind::kNetwork, true},
        {{"--url"}, ExitStatus::kUsage, EKind::kUsage, false},
        {{"--url", "ftp://example.org/"}, ExitStatus::kUsage, EKind::kUsage, false},
        {{"--file", "busy.dat", "--url", server.Url()}, ExitStatus::kBusy, EKind::kBusy, false},
        // The timer's plain run, with no password anywhere and no terminal.
        {{"--url", server.Url(), "--user", "user"}, ExitStatus::kNeedsYou, EKind::kPasswordMissing, true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(CSyncOutcome::KindName(row.kind));
        std::vector<std::string> args = {"--report", "json"};
        args.insert(args.end(), row.args.begin(), row.args.end());
        const Ran ran = RunProgram(args);
        EXPECT_EQ(row.nStatus, ran.nStatus) << ran.err;
        const CSyncOutcome outcome = JsonOutcome(ran);
        EXPECT_EQ(row.kind, outcome.kind);
        EXPECT_FALSE(outcome.strMessage.empty());
        EXPECT_NE(std::string::npos, ran.err.find(outcome.strMessage)) << ran.err;
        const std::string file = row.kind == EKind::kBusy ? "busy.dat" : "Dialstack.dat";
        CSyncOutcome kept;
        EXPECT_EQ(row.bKept, CSyncOutcome::LastFor(file, kept) && kept.kind == row.kind);
        std::remove(CSyncOutcome::PathFor(file).c_str());
    }
}

// Every kind worded: a message, in German wholly German (a name in „“), and
// the command that settles it where the user can.
TEST(SyncRunTest, EveryOutcomeIsWordedInTheUsersLanguage)
{
    using EKind = CSyncOutcome::EKind;
    const std::set<EKind> settled = {EKind::kStateDamaged, EKind::kPasswordRefused, EKind::kPasswordMissing,
        EKind::kPasswordFileUnsafe, EKind::kAddressBookGone, EKind::kCertificateUntrusted, EKind::kTooManyDeletions};
    QTranslator german;
    ASSERT_TRUE(german.load("dialstack_de", DIALSTACK_TRANSLATIONS_FOLDER));
    for (int nKind = 0; nKind <= static_cast<int>(EKind::kTooManyDeletions); ++nKind) {
        CSyncOutcome outcome;
        outcome.kind = static_cast<EKind>(nKind);
        SCOPED_TRACE(CSyncOutcome::KindName(outcome.kind));
        outcome.strHost = "example.org";
        outcome.strUrl = "https://example.org/user/book/";
        outcome.strUser = "user";
        outcome.strPath = "/home/user/password";
        outcome.nHttpStatus = 500;
        outcome.nTimeoutSeconds = 5;
        outcome.names = {"Ann"};
        outcome.nCount = 1;
        outcome.here = {1, 1, {"Ann"}};
        outcome.certificate.strSha256 = "AB:CD";
        outcome.strMessage = "given";
        const COutcomeWording::Wording english = COutcomeWording::Word(outcome, "/home/user/Dialstack.dat");
        QCoreApplication::installTranslator(&german);
        const COutcomeWording::Wording wording = COutcomeWording::Word(outcome, "/home/user/Dialstack.dat");
        QCoreApplication::removeTranslator(&german);
        EXPECT_FALSE(wording.strMessage.empty());
        if (outcome.kind != EKind::kUsage) {
            EXPECT_NE(english.strMessage, wording.strMessage);
            EXPECT_EQ(std::string::npos, wording.strMessage.find(" the ")) << wording.strMessage;
            // A name keeps English's ASCII quotes only in English.
            if (english.strMessage.find("\"Ann\"") != std::string::npos) {
                EXPECT_NE(std::string::npos, wording.strMessage.find("„Ann“")) << wording.strMessage;
            }
        }
        EXPECT_EQ(settled.count(outcome.kind) == 1, !wording.strCommand.empty()) << wording.strCommand;
        EXPECT_EQ(english.strCommand, wording.strCommand);
    }
}

TEST(SyncRunTest, NoAddressBookSaysToCreateOne)
{
    ScratchDirectory scratch;
    FakeServer server("home", "127.0.0.1", "/");
    ExpectOutcome(SyncMachine::Run({"--url", server.Url()}), ExitStatus::kFailure,
        {"no address book found", "create one on the server"});
}

// The program itself against a server that trickles its reply: the
// deadline ends it, or a signal does, each with exit 1 and its own words,
// and no Qt text.
TEST(SyncRunTest, ATricklingServerMeetsTheDeadlineOrASignal)
{
    struct Row
    {
        const char* pszTimeout;
        int nSignalAfterMs;
        std::string text;
    } rows[] = {
        {"2", 0, "127.0.0.1 did not answer within 2 s"},
        {"60", 1500, "stopped by SIGTERM"},
    };
    for (const Row& row : rows) {
        ScratchDirectory scratch;
        FakeServer server("trickle", "127.0.0.1");
        QProcess sync;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_STATE_HOME", QString::fromStdString((scratch.Path() / "state").string()));
        sync.setProcessEnvironment(environment);
        QElapsedTimer clock;
        clock.start();
        sync.start(DIALSTACK_SYNC_BINARY,
            {"--url", QString::fromStdString(server.Url()), "--timeout", row.pszTimeout});
        ASSERT_TRUE(sync.waitForStarted());
        if (row.nSignalAfterMs > 0) {
            QThread::msleep(static_cast<unsigned long>(row.nSignalAfterMs));
            ::kill(static_cast<pid_t>(sync.processId()), SIGTERM);
        }
        ASSERT_TRUE(sync.waitForFinished(20000)) << row.text;
        EXPECT_LT(clock.elapsed(), 10000) << row.text;
        const std::string err = sync.readAllStandardError().toStdString();
        EXPECT_EQ(QProcess::NormalExit, sync.exitStatus()) << row.text;
        EXPECT_EQ(ExitStatus::kFailure, sync.exitCode()) << err;
        EXPECT_NE(std::string::npos, err.find(row.text)) << err;
        EXPECT_EQ(err.find("dialstack-sync:"), err.rfind("dialstack-sync:")) << "said more than once: " << err;
        EXPECT_EQ(std::string::npos, err.find("QIODevice")) << err;
        EXPECT_EQ(std::string::npos, err.find("Operation canceled")) << err;
    }
}

// A run against Radicale with an address book, in a scratch folder.
class RadicaleRunTest : public testing::Test
{
protected:
    void SetUp() override
    {
        if (!server.IsRunning())
            GTEST_SKIP() << "radicale is not installed";
        ASSERT_FALSE(server.MakeAddressBook().empty());
    }

    CardDavTestServer server{"radicale"};
    ScratchDirectory scratch;
};

// Without a keyring, the first sync remembers where the password file is;
// the timer's plain run then reads it, as long as only its owner may.
// given by a name relative to the working folder, it is remembered whole,
// so that the timer (which runs elsewhere) finds it. A password the server
// refuses there names the file to put the new one in.
TEST_F(RadicaleRunTest, WithoutAKeyringThePasswordFileIsRemembered)
{
    WriteDirectory({{"Vet", "555 0199", "", "", ""}});
    const std::string password = SyncMachine::OwnPasswordFile(scratch.Path(), "secret");
    ExpectOutcome(SyncMachine::Run({"--url", server.Book(), "--user", "user", "--password-file", "password"}),
        ExitStatus::kSuccess, {"could not be kept in the keyring", "the file " + password + " is read"});
    const std::string state = ReadFileBytes(CSyncState::PathFor("Dialstack.dat"));
    EXPECT_NE(std::string::npos, state.find(password)) << state;
    EXPECT_EQ(std::string::npos, state.find("secret\"")) << state;

    fs::create_directory("elsewhere");
    fs::current_path("elsewhere");
    const Outcome plain = SyncMachine::Run({"--file", "../Dialstack.dat"}, scratch.Path());
    fs::current_path(scratch.Path());
    EXPECT_EQ(ExitStatus::kSuccess, plain.nStatus) << plain.text;
    EXPECT_EQ(std::string::npos, plain.text.find("keyring")) << plain.text;

    WriteFileBytes(password, "wrong\n");
    ExpectOutcome(SyncMachine::Run({}), ExitStatus::kNeedsYou,
        {"read from " + password + "; put the new password in that file\n",
            "To settle it, run: dialstack-sync --file " + (scratch.Path() / "Dialstack.dat").string() + " --url "
                + server.Book() + " --user user --password-stdin --keep-password\n"});
    WriteFileBytes(password, "secret\n");
    ::chmod(password.c_str(), 0644);
    ExpectOutcome(SyncMachine::Run({}), ExitStatus::kNeedsYou, {"others can read"});
}

// A sync refused for what it would delete says to look with a dry run
// first: that dry run, refused too, names every record it would delete.
TEST_F(RadicaleRunTest, TheDryRunAdvisedForARefusedSyncNamesWhatItWouldDelete)
{
    std::vector<TestRecord> records;
    for (const char* pszName : {"Ann", "Bob", "Cat", "Dan", "Eve", "Fay", "Gus"})
        records.push_back({pszName, "555 0199", "", "", ""});
    WriteDirectory(records);
    ASSERT_EQ(ExitStatus::kSuccess, SyncMachine::Run(AsUser(server.Book())).nStatus);
    WriteDirectory({records[0]});
    Outcome outcome = SyncMachine::Run({});
    ASSERT_EQ(ExitStatus::kNeedsYou, outcome.nStatus) << outcome.text;
    EXPECT_NE(std::string::npos, outcome.text.find(" --dry-run --verbose\n")) << outcome.text;
    outcome = SyncMachine::Run({"--dry-run", "--verbose"});
    EXPECT_EQ(ExitStatus::kNeedsYou, outcome.nStatus) << outcome.text;
    EXPECT_NE(std::string::npos, outcome.text.find("would delete on the server: \"Bob\"\n")) << outcome.text;
    EXPECT_NE(std::string::npos, outcome.text.find("would delete on the server: \"Gus\"\n")) << outcome.text;
    EXPECT_EQ(7u, server.Cards().size());
}

TEST_F(RadicaleRunTest, AnAddressBookGoneNeedsYou)
{
    // A folder whose name the shell would split: the command given quotes it.
    const SyncMachine machine(scratch.Path() / "phone book", server);
    machine.Write({{"Vet", "555 0199", "", "", ""}});
    ASSERT_EQ(ExitStatus::kSuccess, machine.Sync());
    const int nDeleted = server.Delete(server.Book());
    ASSERT_TRUE(nDeleted >= 200 && nDeleted < 300) << nDeleted;
    const Outcome gone = machine.SyncWith();
    const std::string command = "dialstack-sync --file '" + machine.File() + "'";
    const std::string origin = server.Book().substr(0, server.Book().find("/user/") + 1);
    ExpectOutcome(gone, ExitStatus::kNeedsYou,
        {"is gone from the server", "To settle it, run: " + command + " --forget && " + command + " --url " + origin
                + " --user user --password-file '" + machine.PasswordFile() + "'\n"});
    // Run as written, it forgets the gone one and finds the books left.
    ASSERT_FALSE(server.MakeAddressBook().empty());
    const std::string advice = gone.text.substr(gone.text.rfind(", run: ") + 7);
    QProcess shell;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_STATE_HOME", QString::fromStdString(machine.StateHome()));
    environment.insert("PATH", QFileInfo(DIALSTACK_SYNC_BINARY).absolutePath() + ":" + environment.value("PATH"));
    shell.setProcessEnvironment(environment);
    shell.start("sh", {"-c", QString::fromStdString(advice.substr(0, advice.size() - 1) + " --report json")});
    ASSERT_TRUE(shell.waitForFinished(60000));
    CSyncOutcome outcome;
    ASSERT_TRUE(CSyncOutcome::FromJson(shell.readAllStandardOutput().toStdString(), outcome))
        << advice << shell.readAllStandardError().toStdString();
    EXPECT_TRUE(outcome.kind == CSyncOutcome::EKind::kSeveralAddressBooks || outcome.kind == CSyncOutcome::EKind::kInStep)
        << outcome.strMessage;
}

// --password-stdin with --keep-password and no keyring: the password goes
// to a file of the program's own that only the user can read, remembered
// for the directory file; the next run needs nothing, and --forget forgets
// it all but the directory file.
TEST_F(RadicaleRunTest, APasswordFromStandardInputIsKeptInAFileOfTheProgramsOwn)
{
    ::setenv("XDG_STATE_HOME", (scratch.Path() / "state").c_str(), 1);
    WriteDirectory({{"Vet", "555 0199", "", "", ""}});
    const Ran first = RunProgram(
        {"--url", server.Book(), "--user", "user", "--password-stdin", "--keep-password", "--report", "json"},
        "secret\r\n");
    ASSERT_EQ(ExitStatus::kSuccess, first.nStatus) << first.err;
    const CSyncOutcome outcome = JsonOutcome(first);
    EXPECT_EQ(CSyncOutcome::EPasswordKept::kFile, outcome.passwordKept);
    EXPECT_EQ(server.Book(), outcome.strCollectionUrl);
    const fs::path kept = outcome.strPasswordFile;
    EXPECT_EQ(scratch.Path() / "config" / "dialstack", kept.parent_path());
    EXPECT_EQ("secret\n", ReadFileBytes(kept.string()));
    EXPECT_EQ(fs::perms::owner_read | fs::perms::owner_write, fs::status(kept).permissions());
    EXPECT_EQ(fs::perms::owner_all, fs::status(kept.parent_path()).permissions());
    const Ran next = RunProgram({});
    EXPECT_EQ(ExitStatus::kSuccess, next.nStatus) << next.err;
    // The window's Sync Settings opens with the address book and the user.
    CSyncOutcome last;
    ASSERT_TRUE(CSyncOutcome::LastFor("Dialstack.dat", last));
    EXPECT_EQ(server.Book() + "|user", last.strCollectionUrl + "|" + last.strUser);

    // A certificate accepted by its fingerprint is kept beside the password.
    const fs::path certificate = fs::path(kept).replace_extension(".pem");
    WriteFileBytes(certificate.string(), "-----BEGIN CERTIFICATE-----\n");
    EXPECT_EQ(ExitStatus::kSuccess, RunProgram({"--forget"}).nStatus);
    for (const std::string& path : {kept.string(), certificate.string(), CSyncState::PathFor("Dialstack.dat"),
             CSyncOutcome::PathFor("Dialstack.dat")})
        EXPECT_FALSE(fs::exists(path)) << path;
    EXPECT_TRUE(fs::exists("Dialstack.dat"));
    EXPECT_EQ(ExitStatus::kUsage, RunProgram({}).nStatus);
}

// Where to sync and the password's source are remembered once the server
// took them, before the sync writes: a first sync that fails after that is
// taken up again with no options.
TEST_F(RadicaleRunTest, WhatTheServerTookIsRememberedBeforeTheSyncWrites)
{
    ASSERT_EQ(201, server.Put("ann.vcf", "BEGIN:VCARD\r\nVERSION:3.0\r\nUID:ann\r\nFN:Ann\r\nTEL:555 0100\r\nEND:VCARD\r\n"));
    // Adding Ann would overwrite a last record that has no name.
    WriteDirectory({{"Vet", "555 0199", "", "", ""}, {"", "555 0142", "", "", ""}});
    const std::string unnamed = "its last record has no name";
    ExpectOutcome(SyncMachine::Run(AsUser(server.Book())), ExitStatus::kFailure, {unnamed});
    ExpectOutcome(SyncMachine::Run({}), ExitStatus::kFailure, {unnamed});
}

// --discover lists every address book the user has, and keeps nothing.
TEST_F(RadicaleRunTest, DiscoveryListsTheAddressBooksAndKeepsNothing)
{
    const std::string first = server.Book();
    const std::string second = server.MakeAddressBook();
    const std::string origin = first.substr(0, first.find("/user/") + 1);
    const Ran ran = RunProgram({"--discover", "--url", origin, "--user", "user", "--password-stdin", "--report", "json"}, "secret\n");
    ASSERT_EQ(ExitStatus::kSuccess, ran.nStatus) << ran.err;
    const CSyncOutcome outcome = JsonOutcome(ran);
    EXPECT_EQ(CSyncOutcome::EKind::kInStep, outcome.kind);
    std::set<std::string> books;
    for (const CSyncOutcome::AddressBook& book : outcome.books)
        books.insert(book.strUrl);
    EXPECT_EQ(1u, books.count(first));
    EXPECT_EQ(1u, books.count(second));
    EXPECT_FALSE(fs::exists(scratch.Path() / "state"));
}

// Radicale over https with a certificate made for the test: trusted once
// given, and remembered for the directory file.
TEST(SyncRunTest, HttpsWithTheServersOwnCertificate)
{
    if (QStandardPaths::findExecutable("radicale").isEmpty() || QStandardPaths::findExecutable("openssl").isEmpty())
        GTEST_SKIP() << "radicale or openssl is not installed";
    ScratchDirectory scratch;
    const fs::path dir = scratch.Path();
    QProcess openssl;
    openssl.setWorkingDirectory(QString::fromStdString(dir.string()));
    openssl.start("openssl", {"req", "-x509", "-newkey", "rsa:2048", "-nodes", "-keyout", "key.pem", "-out",
                                 "cert.pem", "-days", "2", "-subj", "/CN=127.0.0.1", "-addext",
                                 "subjectAltName=IP:127.0.0.1"});
    ASSERT_TRUE(openssl.waitForFinished(30000) && openssl.exitCode() == 0);
    const std::string port = FreePort();
    WriteFileBytes((dir / "users").string(), "user:secret\n");
    WriteFileBytes((dir / "config").string(),
        "[server]\nhosts = 127.0.0.1:" + port + "\nssl = True\ncertificate = " + (dir / "cert.pem").string()
            + "\nkey = " + (dir / "key.pem").string() + "\n[auth]\ntype = htpasswd\nhtpasswd_filename = "
            + (dir / "users").string() + "\nhtpasswd_encryption = plain\n[storage]\nfilesystem_folder = "
            + (dir / "collections").string() + "\n");
    Child radicale("radicale", {"--config", QString::fromStdString((dir / "config").string())});
    const std::string base = "https://127.0.0.1:" + port + "/";
    CHttpSession session;
    session.SetCredentials("user", "secret");
    session.SetTrustedCertificates(QSslCertificate::fromPath(QString::fromStdString((dir / "cert.pem").string())));
    const QUrl book(QString::fromStdString(base + "user/book/"));
    const std::string mkcol = "<?xml version=\"1.0\"?><D:mkcol xmlns:D=\"DAV:\" "
                              "xmlns:C=\"urn:ietf:params:xml:ns:carddav\"><D:set><D:prop><D:resourcetype>"
                              "<D:collection/><C:addressbook/></D:resourcetype></D:prop></D:set></D:mkcol>";
    int nStatus = 0;
    for (int i = 0; i < 100 && nStatus != 201; ++i, QThread::msleep(100))
        nStatus = session.Send("MKCOL", book, mkcol, {}).nStatus;
    ASSERT_EQ(201, nStatus);

    WriteDirectory({{"Vet", "555 0199", "", "", ""}});
    std::vector<std::string> args = AsUser(book.toString().toStdString());
    const std::string password = args.back();
    args.insert(args.end(), {"--certificate", "cert.pem"});
    ExpectOutcome(SyncMachine::Run(args), ExitStatus::kSuccess, {"on the server: 1 added"});
    ExpectOutcome(SyncMachine::Run({"--password-file", password}), ExitStatus::kSuccess, {});
}

}   // namespace

int main(int argc, char** argv)
{
    // The keyring and the desktop stay out of these tests.
    ::unsetenv("DBUS_SESSION_BUS_ADDRESS");
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
