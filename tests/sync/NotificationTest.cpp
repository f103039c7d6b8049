// The desktop is told when an unattended sync needs the user, once per
// problem: run on a private session bus (dbus-run-session), where this test
// is the notification service and counts what it is sent.
#include <cstdlib>
#include <filesystem>

#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVirtualObject>
#include <QEventLoop>
#include <QProcess>

#include "sync/SyncCommand.h"
#include "tests/support/FileBytes.h"
#include "tests/support/ScratchDirectory.h"
#include "tests/support/TestRecord.h"
#include "tests/sync/CardDavTestServer.h"
#include "tests/sync/SyncMachine.h"

namespace {

// org.freedesktop.Notifications, keeping each Notify call's body.
class NotificationService : public QDBusVirtualObject
{
public:
    QString introspect(const QString&) const override { return QString(); }
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override
    {
        if (message.member() != QLatin1String("Notify") || message.arguments().size() != 8)
            return false;
        bodies.push_back(message.arguments().at(4).toString().toStdString());
        connection.send(message.createReply(QVariant::fromValue(static_cast<uint>(bodies.size()))));
        return true;
    }
    std::vector<std::string> bodies;
};

int RunUnattended(const std::filesystem::path& folder, const QStringList& arguments)
{
    QProcess sync;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_STATE_HOME", QString::fromStdString((folder / "state").string()));
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
    WriteDirectory({{"Vet", "555 0199", "", "", ""}});
    const auto syncWith = [&](const char* pszPassword) {
        const std::string password = SyncMachine::OwnPasswordFile(scratch.Path(), pszPassword);
        return RunUnattended(scratch.Path(), {"--url", QString::fromStdString(server.Book()), "--user", "user",
                                                 "--password-file", QString::fromStdString(password)});
    };

    // The address book found and remembered first: the password is then
    // refused by the sync itself, not by the search for the address book.
    ASSERT_EQ(CSyncCommand::kInStep, syncWith("secret"));
    EXPECT_EQ(CSyncCommand::kNeedsYou, syncWith("wrong"));
    ASSERT_EQ(1u, service.bodies.size());
    EXPECT_NE(std::string::npos, service.bodies[0].find("refused the user name or password")) << service.bodies[0];
    EXPECT_NE(std::string::npos, service.bodies[0].find("--password-file FILE   (FILE: the new password, chmod 600)"))
        << service.bodies[0];
    EXPECT_EQ(CSyncCommand::kNeedsYou, syncWith("wrong"));
    EXPECT_EQ(1u, service.bodies.size());

    EXPECT_EQ(CSyncCommand::kInStep, syncWith("secret"));
    EXPECT_EQ(CSyncCommand::kNeedsYou, syncWith("wrong"));
    EXPECT_EQ(2u, service.bodies.size());
}

}   // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
