// "Set Up Sync..." against the stand-in sync (tests/ui/SyncStandIn.h):
// discovery, the address book picked, the first sync keeping the password,
// the timer offered; a wrong password answered in the dialog.

#include <QListView>

#include "tests/sync/CardDavTestServer.h"
#include "tests/ui/SyncStandIn.h"

using namespace GuiTest;
using namespace MainWindow;
using namespace SyncStandIn;
using EKind = CSyncOutcome::EKind;

namespace {

using SyncSetupTest = SyncStandInTest;

CSyncOutcome Found(std::vector<CSyncOutcome::AddressBook> books)
{
    CSyncOutcome outcome = Outcome(EKind::kInStep);
    outcome.books = std::move(books);
    return outcome;
}

TEST_F(SyncSetupTest, ConnectFindsTheBookRunsTheFirstSyncAndOffersTheTimer)
{
    const CSyncOutcome::AddressBook work = {"https://dav.example.org/zoe/work/", "Work"};
    const CSyncOutcome::AddressBook home = {"https://dav.example.org/zoe/home/", "Home"};
    CSyncOutcome synced = Outcome(EKind::kInStep);
    synced.passwordKept = CSyncOutcome::EPasswordKept::kFile;
    synced.strPasswordFile = "/home/zoe/.config/dialstack/password";
    CSyncOutcome noManager = Outcome(EKind::kInStep);
    noManager.timer = CSyncOutcome::ETimer::kNoUserManager;
    struct Row
    {
        const char* what;
        CSyncOutcome found;
        int nPick;   // the row picked in the list, or -1: none to pick
        const char* book;   // the one the first sync was given, or nullptr: none ran
        const char* status;   // the dialog's status line afterwards
    };
    const Row rows[] = {
        {"one book", Found({work}), -1, work.strUrl.c_str(), nullptr},
        {"several", Found({work, home}), 1, home.strUrl.c_str(), nullptr},
        {"wrong password", Outcome(EKind::kPasswordRefused), -1, nullptr, "refused the password of zoe"},
        {"no book", Found({}), -1, nullptr, "No address book was found"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        std::filesystem::remove(m_dir.Path() / "runs");
        Reply(1, row.found);
        Reply(2, synced);
        Reply(3, noManager);
        QString status;
        QStringList listed;
        QString told;
        QString timer;
        CDirectoryDlg dlg;
        RunMainWindow(dlg, kThree, [&](QWidget*) {
            WhenDialogWith(IDC_SYNC_SERVER, [&](QWidget* setup) {
                EXPECT_EQ(setup->windowTitle(), "Set Up Sync");
                Click(setup, IDC_SYNC_SERVER);
                Type("dav.example.org");
                Click(setup, IDC_SYNC_USER);
                Type("zoe");
                Click(setup, IDC_SYNC_PASSWORD);
                Type("pa55");
                if (row.book)
                    WhenMessageBox([&](QWidget* box) {
                        told = qobject_cast<QMessageBox*>(box)->text();
                        WhenMessageBox([&](QWidget* second) {
                            timer = qobject_cast<QMessageBox*>(second)->text();
                            PressKey(Qt::Key_Return);
                        });
                        ClickButton(box, "Sync &every quarter hour");
                    });
                Click(setup, IDC_SYNC_CONNECT);
                auto* books = qobject_cast<QListView*>(Control(setup, IDC_SYNC_BOOKS));
                if (row.nPick >= 0 && WaitFor([&] { return books->model()->rowCount() > 0; })) {
                    listed = Rows(books);
                    QTest::mouseClick(books->viewport(), Qt::LeftButton, {}, RowRect(books, row.nPick).center());
                    Click(setup, IDC_SYNC_CONNECT);
                }
                if (!row.book) {
                    status = qobject_cast<QLabel*>(Control(setup, IDC_SYNC_STATUS))->text();
                    PressKey(Qt::Key_Escape);
                }
            });
            ChooseFromWindowMenu(Qt::Key_U);
            ASSERT_TRUE(WaitFor([&] { return Runs() >= 1 && !QApplication::activeModalWidget(); }));
        });
        if (!row.book) {
            EXPECT_EQ(Runs(), 1);
            EXPECT_TRUE(status.contains(row.status)) << status.toStdString();
            continue;
        }
        const std::vector<std::string> discover = Arguments(1);
        EXPECT_TRUE(HasOption(discover, "--discover") && HasOption(discover, "--url", "dav.example.org")
            && HasOption(discover, "--user", "zoe") && HasOption(discover, "--password-stdin"));
        EXPECT_EQ(Input(1), "pa55\n");
        if (row.nPick >= 0) {
            EXPECT_EQ(listed, QStringList({"Work (" + QString::fromStdString(work.strUrl) + ")",
                                  "Home (" + QString::fromStdString(home.strUrl) + ")"}));
        }
        const std::vector<std::string> first = Arguments(2);
        EXPECT_TRUE(HasOption(first, "--url", row.book) && HasOption(first, "--keep-password")
            && HasOption(first, "--password-stdin") && !HasOption(first, "pa55"));
        EXPECT_EQ(Input(2), "pa55\n");
        EXPECT_TRUE(told.contains("kept in the file /home/zoe/.config/dialstack/password")) << told.toStdString();
        EXPECT_TRUE(HasOption(Arguments(3), "--timer", "on"));
        EXPECT_TRUE(timer.contains("systemd user manager")) << timer.toStdString();
    }
}

// The same against the real sync and a Radicale: the books it finds, the
// password it refuses, a certificate made at test time trusted in the window;
// the first sync brings the window's records to the chosen book.
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
    };
    const Row rows[] = {
        {"one book", "radicale", 1, "secret", -1, false, nullptr},
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
        ASSERT_FALSE(books.back().empty());
        QString status;
        QString certificate;
        QString told;
        std::string picked = books.front();
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
                    ClickButton(box, "&Not now");
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
        if (row.status) {
            EXPECT_TRUE(status.contains(row.status)) << status.toStdString();
            EXPECT_EQ(user.CardCount(books.front()), 0);
            continue;
        }
        EXPECT_TRUE(told.contains("in step") && told.contains("kept in the file")) << told.toStdString();
        EXPECT_EQ(certificate.contains("Issued to: 127.0.0.1"), row.bTrust) << certificate.toStdString();
        EXPECT_TRUE(HasOption(Arguments(Runs()), "--url", picked.c_str())) << picked;
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
