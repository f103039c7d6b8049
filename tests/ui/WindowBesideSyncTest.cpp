// A day with the window open beside the timer's syncs, against a real
// Radicale: the real dialstack-sync runs as the timer runs it while the
// window stays open, and the window's own Sync Now runs it too.

#include <sys/stat.h>

#include <filesystem>

#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QProcess>
#include <QTest>
#include <gtest/gtest.h>

#include "sync/Card.h"
#include "tests/support/ScratchDirectory.h"
#include "tests/sync/CardDavTestServer.h"
#include "tests/ui/MainWindowDriver.h"

using namespace GuiTest;
using namespace MainWindow;

namespace {

struct SyncRun
{
    int nExit = -1;
    QString output;
};

// Runs the sync program with args, as the timer does (no terminal), and
// keeps the window's events flowing meanwhile so that it can follow the file.
SyncRun RunSync(const QStringList& args)
{
    QProcess sync;
    sync.setProcessChannelMode(QProcess::MergedChannels);
    sync.setStandardInputFile(QProcess::nullDevice());
    sync.start(QStringLiteral(DIALSTACK_SYNC_BINARY), args);
    WaitFor([&sync] { return sync.state() == QProcess::NotRunning; }, 60000);
    return {sync.exitCode(), QString::fromUtf8(sync.readAll())};
}

QStringList ServerNames(CardDavTestServer& server)
{
    QStringList names;
    for (const auto& [href, text] : server.Cards())
        names << QString::fromLatin1(CCard(text).Fields().strName.GetString());
    names.sort();
    return names;
}

void AddThroughTheWindow(QWidget* w, const QString& name)
{
    RunWhenModal([name](QWidget* dialog) {
        auto* box = qobject_cast<QLineEdit*>(Control(dialog, IDC_NAME));
        box->setFocus();
        Type(name);
        PressKey(Qt::Key_Return);
    });
    Click(w, IDC_ADD_NAME);
}

TEST(WindowBesideSyncTest, TheTimersSyncsAndSyncNowWorkWhileTheWindowIsOpen)
{
    CardDavTestServer server("radicale");
    if (!server.IsRunning())
        GTEST_SKIP() << "radicale is not installed";
    ASSERT_FALSE(server.MakeAddressBook().empty());
    ScratchDirectory dir;
    const std::string stateHome = (dir.Path() / "state").string();
    setenv("XDG_STATE_HOME", stateHome.c_str(), 1);
    setenv("DIALSTACK_SYNC_PROGRAM", DIALSTACK_SYNC_BINARY, 1);
    WriteFileBytes("password", "secret\n");
    ::chmod("password", 0600);
    const QString file = QString::fromStdString((dir.Path() / "Dialstack.dat").string());
    const QStringList timer{"--file", file};

    CDirectoryDlg dlg;
    RunMainWindow(dlg, {kThree[0]}, [&](QWidget* w) {
        // The first sync, with nothing unsaved in the open window, puts its
        // record on the server and keeps the password file for later runs.
        const SyncRun first = RunSync(timer + QStringList{"--url", QString::fromStdString(server.Book()), "--user",
                                                  "user", "--password-file", "password"});
        ASSERT_EQ(first.nExit, 0) << first.output.toStdString();
        EXPECT_EQ(ServerNames(server), QStringList{"Zoe Quinn"});

        // The phone adds a card; the timer's plain run brings it, and the
        // window shows it by itself with the selection kept.
        ASSERT_EQ(server.Put("phone.vcf", CCard::Create({"Phone Friend", "555 0777", "", "", ""}, "phone-1")), 201);
        const SyncRun fromPhone = RunSync(timer);
        ASSERT_EQ(fromPhone.nExit, 0) << fromPhone.output.toStdString();
        EXPECT_TRUE(WaitFor([w] { return Names(w) == QStringList({"Zoe Quinn", "Phone Friend"}); }))
            << Names(w).join(", ").toStdString();
        EXPECT_EQ(Selected(w), 0);

        // An unsaved change keeps the timer out, busy, and nothing is lost.
        AddThroughTheWindow(w, "Desk Only");
        const SyncRun busy = RunSync(timer);
        EXPECT_EQ(busy.nExit, 3) << busy.output.toStdString();
        EXPECT_TRUE(busy.output.contains("unsaved")) << busy.output.toStdString();
        EXPECT_EQ(Names(w), QStringList({"Zoe Quinn", "Phone Friend", "Desk Only"}));
        EXPECT_EQ(ServerNames(server), QStringList({"Phone Friend", "Zoe Quinn"}));

        // Save starts the window's own sync, which takes the change to the
        // server; the timer's next run finds both sides in step.
        Click(w, IDC_SAVE_NOW);
        EXPECT_TRUE(WaitFor([&] { return ServerNames(server).size() == 3; }, 10000));
        SyncRun afterSave = RunSync(timer);
        for (int i = 0; i < 40 && afterSave.nExit == 3; ++i) {   // until the window's own sync has ended
            WaitFor([] { return false; }, 250);
            afterSave = RunSync(timer);
        }
        EXPECT_EQ(afterSave.nExit, 0) << afterSave.output.toStdString();
        EXPECT_EQ(ServerNames(server), QStringList({"Desk Only", "Phone Friend", "Zoe Quinn"}));

        // Sync Now from the window menu: the phone's deletion arrives, and
        // the outcome is the sync's summary line.
        for (const auto& [href, text] : server.Cards()) {
            if (CCard(text).Fields().strName == "Phone Friend") {
                ASSERT_LT(server.Delete(href), 300);
            }
        }
        QString outcome;
        RunWhenModalIs([] { return qobject_cast<QMessageBox*>(QApplication::activeModalWidget()); },
            [&outcome](QWidget* box) {
                outcome = qobject_cast<QMessageBox*>(box)->text();
                PressKey(Qt::Key_Return);
            });
        PressKey(Qt::Key_F10, Qt::ShiftModifier);
        QMenu* menu = OpenedMenu();
        ASSERT_NE(menu, nullptr);
        QTest::keyClick(menu, Qt::Key_N);
        ASSERT_TRUE(WaitFor([&outcome] { return !outcome.isEmpty(); }, 60000));
        EXPECT_TRUE(outcome.contains("in step: 1 change here, 0 changes in the address book")) << outcome.toStdString();
        EXPECT_EQ(Names(w), QStringList({"Zoe Quinn", "Desk Only"}));
    });
    unsetenv("XDG_STATE_HOME");
    unsetenv("DIALSTACK_SYNC_PROGRAM");
}

}   // namespace
