// The desktop is told when an unattended sync needs the user, once per
// problem, and its action opens the window in the directory file's folder:
// run on a private session bus (dbus-run-session), where this test is the
// notification service, answers each notification and counts them.
#include <cstdlib>
#include <filesystem>

#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVirtualObject>
#include <QEventLoop>
#include <QProcess>
#include <QTimer>

#include "base/ExitStatus.h"
#include "sync/SyncCommand.h"
#include "tests/support/FileBytes.h"
#include "tests/support/ScratchDirectory.h"
#include "tests/support/TestRecord.h"
#include "tests/sync/CardDavTestServer.h"
#include "tests/sync/SyncMachine.h"

namespace {

// org.freedesktop.Notifications, keeping each Notify call's body, hints and
// actions; it can show actions, invokes the first notification's default
// action and closes every later one.
class NotificationService : public QDBusVirtualObject
{
public:
    QString introspect(const QString&) const override { return QString(); }
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override
    {
        if (message.member() == QLatin1String("GetCapabilities"))
            return connection.send(message.createReply(QStringList{"actions", "body"}));
        if (message.member() != QLatin1String("Notify") || message.arguments().size() != 8)
            return false;
        const QList<QVariant> arguments = message.arguments();
        bodies.push_back(arguments.at(4).toString().toStdString());
        actions.push_back(arguments.at(5).toStringList());
        desktopEntries.push_back(qdbus_cast<QVariantMap>(arguments.at(6)).value("desktop-entry").toString());
        const uint nId = static_cast<uint>(bodies.size());
        connection.send(message.createReply(QVariant::fromValue(nId)));
        const bool bFirst = nId == 1;
        QDBusMessage answer = QDBusMessage::createSignal("/org/freedesktop/Notifications",
            "org.freedesktop.Notifications", bFirst ? "ActionInvoked" : "NotificationClosed");
        answer << QVariant::fromValue(nId);
        answer << (bFirst ? QVariant(QStringLiteral("default")) : QVariant::fromValue(2u));
        connection.send(answer);
        return true;
    }
    std::vector<std::string> bodies;
    std::vector<QStringList> actions;
    std::vector<QString> desktopEntries;
};

// What the stand-in window program wrote: one working directory a line.
std::string WindowRuns(const std::filesystem::path& record)
{
    QEventLoop loop;
    for (int i = 0; i < 100 && !std::filesystem::exists(record); ++i) {
        QTimer::singleShot(50, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return std::filesystem::exists(record) ? ReadFileBytes(record.string()) : std::string();
}

int RunUnattended(const std::filesystem::path& folder, const QStringList& arguments)
{
    QProcess sync;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_STATE_HOME", QString::fromStdString((folder / "state").string()));
    environment.insert("DIALSTACK_WINDOW_PROGRAM", QString::fromStdString((folder / "window").string()));
    // A run of the timer's, though not under a service: the window starts detached.
    environment.insert("DIALSTACK_SYNC_TIMER", "1");
    environment.remove("INVOCATION_ID");
    sync.setProcessEnvironment(environment);
    QEventLoop loop;
    QObject::connect(&sync, &QProcess::finished, &loop, &QEventLoop::quit);
    sync.start(DIALSTACK_SYNC_BINARY, arguments);
    loop.exec();
    return sync.exitCode();
}

TEST(NotificationTest, AnUnattendedRunThatNeedsYouTellsTheDesktopOncePerProblem)
{
    if (std::getenv("DBUS_SESSION_BUS_ADDRESS") == nullptr)
        GTEST_SKIP() << "not on a private session bus";
    CardDavTestServer server("radicale");
    if (!server.IsRunning())
        GTEST_SKIP() << "radicale is not installed";
    ASSERT_FALSE(server.MakeAddressBook().empty());
    NotificationService service;
    QDBusConnection bus = QDBusConnection::sessionBus();
    ASSERT_TRUE(bus.registerService("org.freedesktop.Notifications"));
    ASSERT_TRUE(bus.registerVirtualObject("/org/freedesktop/Notifications", &service));

    ScratchDirectory scratch;
    // The window starts in the file's folder, not in the sync's.
    const std::filesystem::path folder = scratch.Path() / "Dossier \u00e9t\u00e9";
    std::filesystem::create_directory(folder);
    WriteFileBytes((folder / "Dialstack.dat").string(), DirectoryBytes({{"Vet", "555 0199", "", "", ""}}));
    const std::filesystem::path record = scratch.Path() / "window-runs";
    WriteFileBytes((scratch.Path() / "window").string(), "#!/bin/sh\npwd >> '" + record.string() + "'\n");
    std::filesystem::permissions(scratch.Path() / "window", std::filesystem::perms::owner_all);
    const auto syncWith = [&](const char* pszPassword) {
        const std::string password = SyncMachine::OwnPasswordFile(scratch.Path(), pszPassword);
        return RunUnattended(scratch.Path(),
            {"--file", QString::fromStdString((folder / "Dialstack.dat").string()), "--url",
                QString::fromStdString(server.Book()), "--user", "user", "--password-file",
                QString::fromStdString(password)});
    };

    // The address book found and remembered first: the password is then
    // refused by the sync itself, not by the search for the address book.
    ASSERT_EQ(ExitStatus::kSuccess, syncWith("secret"));
    EXPECT_EQ(ExitStatus::kNeedsYou, syncWith("wrong"));
    ASSERT_EQ(1u, service.bodies.size());
    EXPECT_NE(std::string::npos, service.bodies[0].find("refused the password for user")) << service.bodies[0];
    EXPECT_EQ(std::string::npos, service.bodies[0].find("--password-file")) << service.bodies[0];
    EXPECT_EQ("io.github.dialstack.Dialstack", service.desktopEntries[0].toStdString());
    EXPECT_EQ((QStringList{"default", "Open Dialstack", "open", "Open Dialstack"}), service.actions[0]);
    EXPECT_EQ(folder.string() + "\n", WindowRuns(record));
    EXPECT_EQ(ExitStatus::kNeedsYou, syncWith("wrong"));
    EXPECT_EQ(1u, service.bodies.size());

    EXPECT_EQ(ExitStatus::kSuccess, syncWith("secret"));
    EXPECT_EQ(ExitStatus::kNeedsYou, syncWith("wrong"));
    EXPECT_EQ(2u, service.bodies.size());
    // Closed, not acted on: the window was started once in all.
    EXPECT_EQ(folder.string() + "\n", WindowRuns(record));
}

}   // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
