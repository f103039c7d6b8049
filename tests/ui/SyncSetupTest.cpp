// "Set Up Sync..." and "Sync Settings...": the real sync against Radicale
// through the stand-in (tests/ui/SyncStandIn.h), which records each run's
// arguments and input.

#include <QListView>

#include "tests/sync/CardDavTestServer.h"
#include "tests/ui/SyncStandIn.h"

using namespace GuiTest;
using namespace MainWindow;
using namespace SyncStandIn;
using EKind = CSyncOutcome::EKind;

namespace {

using SyncSetupTest = SyncStandInTest;

// Against the real sync and a Radicale: the books it finds, the password it
// refuses, a certificate made at test time trusted in the window; the
// password goes through the pipe alone, the first sync brings the window's
// records to the chosen book and the timer is offered.
TEST_F(SyncSetupTest, AgainstRadicaleTheDialogSetsUpAndTheFirstSyncRuns)
{
    struct Row
    {
        const char* what;
        const char* server;
        int nBooks;
        const char* password;
        int nPick;   // the row picked in the list, or -1: none to pick
        bool bTrust;   // a certificate to trust first
        const char* status;   // the dialog's status line when no sync ran
        bool bGone = false;   // set up with a book that is gone: Sync Now opens Sync Settings
        bool bTimer = false;   // the timer's offer taken (no user manager here)
    };
    const Row rows[] = {
        {"one book", "radicale", 1, "secret", -1, false, nullptr, false, true},
        {"no book", "radicale", 0, "secret", -1, false, "No address book was found"},
        {"several", "radicale", 2, "secret", 1, false, nullptr},
        {"wrong password", "radicale", 1, "wrong", -1, false, "refused the password of"},
        {"untrusted certificate", "radicale-tls", 1, "secret", -1, true, nullptr},
        {"address book gone, another chosen", "radicale", 1, "secret", -1, false, nullptr, true},
    };
    UseRealSync();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        Fresh();
        CardDavTestServer user(row.server, true);
        if (!user.IsRunning())
            GTEST_SKIP() << row.server << " is not running (radicale or openssl not installed)";
        if (row.bGone) {
            const std::string gone = user.MakeAddressBook("gone");
            ASSERT_EQ(FirstRealSync(kThree, gone, user.User()), 0);
            ASSERT_LT(user.DeleteBook(gone), 300);
        }
        std::vector<std::string> books;
        for (int i = 0; i < row.nBooks; ++i)
            books.push_back(user.MakeAddressBook(i == 0 ? "work" : "home"));
        ASSERT_TRUE(books.empty() || !books.back().empty());
        QString status;
        QString certificate;
        QString told;
        QString timer;
        std::string picked = books.empty() ? std::string() : books.front();
        CDirectoryDlg dlg;
        RunMainWindow(dlg, kThree, [&](QWidget*) {
            WhenDialogWith(IDC_SYNC_SERVER, [&](QWidget* setup) {
                Click(setup, IDC_SYNC_SERVER);
                PressKey(Qt::Key_A, Qt::ControlModifier);
                Type(QString::fromStdString(user.Base()));
                Click(setup, IDC_SYNC_USER);
                PressKey(Qt::Key_A, Qt::ControlModifier);
                Type(QString::fromStdString(user.User()));
                Click(setup, IDC_SYNC_PASSWORD);
                Type(row.password);
                const auto firstSync = [&](QWidget* box) {
                    told = qobject_cast<QMessageBox*>(box)->text();
                    if (row.bTimer)
                        WhenMessageBox([&](QWidget* second) {
                            timer = qobject_cast<QMessageBox*>(second)->text();
                            PressKey(Qt::Key_Return);
                        });
                    ClickButton(box, row.bTimer ? "Sync &every quarter hour" : "&Not now");
                };
                if (row.bTrust)
                    WhenMessageBox([&](QWidget* box) {
                        certificate = qobject_cast<QMessageBox*>(box)->text();
                        WhenMessageBox(firstSync);
                        ClickButton(box, "&Trust this certificate");
                    });
                else if (!row.status)
                    WhenMessageBox(firstSync);
                Click(setup, IDC_SYNC_CONNECT);
                auto* list = qobject_cast<QListView*>(Control(setup, IDC_SYNC_BOOKS));
                if (row.nPick >= 0 && WaitFor([&] { return list->model()->rowCount() == row.nBooks; })) {
                    // "name (URL)"
                    const QString shown = Rows(list).at(row.nPick);
                    const qsizetype nOpen = shown.lastIndexOf('(') + 1;
                    picked = shown.mid(nOpen, shown.size() - nOpen - 1).toStdString();
                    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, RowRect(list, row.nPick).center());
                    Click(setup, IDC_SYNC_CONNECT);
                }
                if (row.status) {
                    status = qobject_cast<QLabel*>(Control(setup, IDC_SYNC_STATUS))->text();
                    PressKey(Qt::Key_Escape);
                }
            });
            if (row.bGone)
                WhenMessageBox([](QWidget*) { PressKey(Qt::Key_Return); });
            ChooseFromWindowMenu(row.bGone ? Qt::Key_N : Qt::Key_U);
            ASSERT_TRUE(WaitFor([&] { return Runs() >= 1 && !QApplication::activeModalWidget(); }, 60000));
        });
        if (!row.bGone) {
            const std::vector<std::string> discover = Arguments(1);
            EXPECT_TRUE(HasOption(discover, "--discover") && HasOption(discover, "--password-stdin")
                && !HasOption(discover, row.password));
            EXPECT_EQ(Input(1), std::string(row.password) + "\n");
        }
        if (row.status) {
            EXPECT_TRUE(status.contains(row.status)) << status.toStdString();
            EXPECT_TRUE(books.empty() || user.CardCount(books.front()) == 0);
            continue;
        }
        // The timer's run comes after the first sync.
        const std::vector<std::string> first = Arguments(Runs() - (row.bTimer ? 1 : 0));
        EXPECT_TRUE(HasOption(first, "--keep-password") && !HasOption(first, row.password));
        EXPECT_EQ(timer.contains("systemd user manager"), row.bTimer) << timer.toStdString();
        EXPECT_TRUE(told.contains("in step") && told.contains("kept in the file")) << told.toStdString();
        EXPECT_EQ(certificate.contains("Issued to: 127.0.0.1"), row.bTrust) << certificate.toStdString();
        EXPECT_TRUE(HasOption(first, "--url", picked.c_str())) << picked;
        EXPECT_EQ(user.CardCount(picked), 3);
        for (const std::string& book : books) {
            if (book != picked) {
                EXPECT_EQ(user.CardCount(book), 0);
            }
        }
    }
}

// Sync Settings, on a file that has a sync: Stop Syncing switches the timer
// off and, only when asked, has the sync forget the file, which stays.
TEST_F(SyncSetupTest, StopSyncingSwitchesTheTimerOffAndForgetsOnlyWhenAsked)
{
    CSyncOutcome off = Outcome(EKind::kInStep);
    off.timer = CSyncOutcome::ETimer::kOff;
    for (const char* answer : {"&Stop syncing", "Stop and &forget"}) {
        SCOPED_TRACE(answer);
        std::filesystem::remove(m_dir.Path() / "runs");
        Reply(0, off);
        SetUpSync();
        CDirectoryDlg dlg;
        RunMainWindow(dlg, kThree, [&](QWidget*) {
            WhenDialogWith(IDC_SYNC_STOP, [&](QWidget* settings) {
                EXPECT_EQ(settings->windowTitle(), "Sync Settings");
                WhenMessageBox([answer](QWidget* question) {
                    WhenMessageBox([](QWidget*) { PressKey(Qt::Key_Return); });
                    ClickButton(question, answer);
                });
                Click(settings, IDC_SYNC_STOP);
            });
            ChooseFromWindowMenu(Qt::Key_T);
            ASSERT_TRUE(WaitFor([&] { return Runs() >= 1 && !QApplication::activeModalWidget(); }));
        });
        EXPECT_TRUE(HasOption(Arguments(1), "--timer", "off"));
        const bool bForget = answer[0] != '&';
        EXPECT_EQ(Runs(), bForget ? 2 : 1);
        EXPECT_EQ(HasOption(Arguments(2), "--forget"), bForget);
        EXPECT_EQ(ReadFileBytes(), DirectoryBytes(kThree));
    }
}

}   // namespace
