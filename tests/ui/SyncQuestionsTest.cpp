// What a sync asks of the user, answered in the window with buttons that
// do it, against the stand-in sync (tests/ui/SyncStandIn.h).

#include <functional>

#include <QListView>

#include "tests/sync/CardDavTestServer.h"
#include "tests/ui/SyncStandIn.h"

using namespace GuiTest;
using namespace MainWindow;
using namespace SyncStandIn;
using EKind = CSyncOutcome::EKind;

namespace {

using SyncQuestionsTest = SyncStandInTest;

CSyncOutcome TooManyDeletions()
{
    CSyncOutcome outcome = Outcome(EKind::kTooManyDeletions);
    outcome.there = {7, 9, {"Ann", "Bob", "Cy", "Di", "Ed", "Flo", "Gus"}};
    return outcome;
}

CSyncOutcome Untrusted()
{
    CSyncOutcome outcome = Outcome(EKind::kCertificateUntrusted);
    outcome.certificate = {"CN=dav.example.org", "CN=Example CA", "AB:CD:EF", ""};
    return outcome;
}

// Each question after Sync Now: the answer given, and what the second run
// of the sync was asked (no second run without options).
TEST_F(SyncQuestionsTest, EachQuestionIsAnsweredWithAButtonThatRunsTheSyncAsAsked)
{
    struct Row
    {
        const char* what;
        CSyncOutcome first;
        // Answers the question (queued while it is not up yet), calling then
        // just before it does.
        std::function<void(const std::function<void()>& then)> answer;
        std::vector<std::pair<const char*, const char*>> options;
        std::string input;
    };
    const auto button = [](const char* label, const char* shown) {
        return [label, shown](const std::function<void()>& then) {
            WhenMessageBox([label, shown, then](QWidget* box) {
                then();
                EXPECT_TRUE(qobject_cast<QMessageBox*>(box)->text().contains(shown))
                    << qobject_cast<QMessageBox*>(box)->text().toStdString();
                ClickButton(box, label);
            });
        };
    };
    const Row rows[] = {
        {"password refused", Outcome(EKind::kPasswordRefused),
            [](const std::function<void()>& then) {
                WhenDialogWith(IDC_PASSWORD, [then](QWidget* dialog) {
                    then();
                    EXPECT_EQ(qobject_cast<QLineEdit*>(Control(dialog, IDC_PASSWORD))->echoMode(), QLineEdit::Password);
                    Type("s3cret");
                    PressKey(Qt::Key_Return);
                });
            },
            {{"--password-stdin", nullptr}, {"--keep-password", nullptr}}, "s3cret\n"},
        {"deletions, delete", TooManyDeletions(), button("&Delete them there too", "7 of the 9"), {{"--force", nullptr}},
            ""},
        {"deletions, bring back", TooManyDeletions(), button("&Bring them back", "\"Ed\" and 2 other names"),
            {{"--bring-back", nullptr}}, ""},
        {"deletions, not now", TooManyDeletions(), button("&Not now", "\"Ann\", \"Bob\""), {}, ""},
        {"certificate", Untrusted(), button("&Trust this certificate", "CN=dav.example.org"),
            {{"--accept-certificate", "AB:CD:EF"}}, ""},
        {"address book gone", Outcome(EKind::kAddressBookGone),
            [](const std::function<void()>&) {
                WhenMessageBox([](QWidget*) {
                    WhenDialogWith(IDC_SYNC_SERVER, [](QWidget* dialog) {
                        EXPECT_EQ(dialog->windowTitle(), "Sync Settings");
                        PressKey(Qt::Key_Escape);
                    });
                    PressKey(Qt::Key_Return);
                });
            },
            {}, ""},
    };
    SetUpSync();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        std::filesystem::remove(m_dir.Path() / "runs");
        Reply(1, row.first);
        CDirectoryDlg dlg;
        QString told;
        RunMainWindow(dlg, kThree, [&](QWidget*) {
            row.answer([&] {
                if (!row.options.empty())
                    WhenMessageBox([&told](QWidget* box) {
                        told = qobject_cast<QMessageBox*>(box)->text();
                        PressKey(Qt::Key_Return);
                    });
            });
            ChooseFromWindowMenu(Qt::Key_N);
            ASSERT_TRUE(WaitFor([&] { return Runs() == (row.options.empty() ? 1 : 2) && !QApplication::activeModalWidget(); }));
        });
        if (row.options.empty()) {
            EXPECT_EQ(Runs(), 1);
            continue;
        }
        const std::vector<std::string> again = Arguments(2);
        for (const auto& [option, value] : row.options)
            EXPECT_TRUE(HasOption(again, option, value)) << option;
        EXPECT_TRUE(HasOption(again, "--file", File().c_str()));
        EXPECT_FALSE(HasOption(again, "s3cret"));
        EXPECT_EQ(Input(2), row.input);
        EXPECT_TRUE(told.contains("in step")) << told.toStdString();
    }
}

// The same questions raised by the real sync against a Radicale and
// settled in the window, and a conflict told: what each side holds after.
TEST_F(SyncQuestionsTest, AgainstRadicaleEachQuestionIsSettledFromTheWindow)
{
    std::vector<TestRecord> eight;
    for (int i = 1; i <= 8; ++i)
        eight.push_back({"Person " + std::to_string(i), "555 010" + std::to_string(i), "", "", ""});
    const std::vector<TestRecord> two(eight.begin(), eight.begin() + 2);
    std::vector<TestRecord> edited = eight;
    edited[0].phone = "555 0900";
    struct Row
    {
        const char* what;
        // Raises the question on the server; what the window opens with.
        std::function<std::vector<TestRecord>(CardDavTestServer&, const std::string& book)> raise;
        const char* button;   // the answer; nullptr: the new password typed
        const char* shown;   // in the question
        int nHere;   // records in the window afterwards
        int nThere;   // cards in the address book afterwards
    };
    const auto deleteHere = [&](CardDavTestServer&, const std::string&) { return two; };
    const auto deleteThere = [&](CardDavTestServer& user, const std::string& book) {
        int nDeleted = 0;
        for (const auto& card : user.Cards(book))
            if (nDeleted++ < 6)
                user.Delete(card.first);
        return eight;
    };
    const Row rows[] = {
        {"password refused",
            [&](CardDavTestServer& user, const std::string&) {
                user.SetPassword("changed");
                return eight;
            },
            nullptr, "", 8, 8},
        {"deletions here, delete", deleteHere, "&Delete them there too", "6 of the 8", 2, 2},
        {"deletions here, bring back", deleteHere, "&Bring them back", "\"Person 3\"", 8, 8},
        {"deletions there, delete", deleteThere, "&Delete them here too", "6 of the 8", 2, 2},
        {"deletions there, bring back", deleteThere, "&Bring them back", "6 of the 8", 8, 8},
        {"conflict",
            [&](CardDavTestServer& user, const std::string& book) {
                EXPECT_LT(user.EditCard(book, "555 0101", "555 0999"), 300);
                return edited;
            },
            "&Select the Copy", "Phone: here \"555 0900\", in the address book \"555 0999\"", 9, 9},
    };
    UseRealSync();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        Fresh();
        CardDavTestServer user("radicale", true);
        if (!user.IsRunning())
            GTEST_SKIP() << "radicale is not installed";
        const std::string book = user.MakeAddressBook("book");
        ASSERT_EQ(FirstRealSync(eight, book, user.User()), 0);
        const std::vector<TestRecord> opened = row.raise(user, book);
        QString shown;
        QString told;
        int nHere = 0;
        QString selected;
        CDirectoryDlg dlg;
        RunMainWindow(dlg, opened, [&](QWidget* w) {
            const auto tell = [&told](QWidget* box) {
                told = qobject_cast<QMessageBox*>(box)->text();
                PressKey(Qt::Key_Return);
            };
            if (!row.button)
                WhenDialogWith(IDC_PASSWORD, [&](QWidget*) {
                    WhenMessageBox(tell);
                    Type("changed");
                    PressKey(Qt::Key_Return);
                });
            else
                WhenMessageBox([&](QWidget* box) {
                    shown = qobject_cast<QMessageBox*>(box)->text();
                    WhenMessageBox(tell);
                    ClickButton(box, row.button);
                });
            ChooseFromWindowMenu(Qt::Key_N);
            ASSERT_TRUE(WaitFor([&] { return !told.isEmpty() && !QApplication::activeModalWidget(); }, 60000));
            nHere = Names(w).size();
            selected = Names(w).value(Selected(w));
        });
        EXPECT_TRUE(shown.contains(row.shown)) << shown.toStdString();
        EXPECT_TRUE(told.contains("in step")) << told.toStdString();
        EXPECT_EQ(nHere, row.nHere);
        EXPECT_EQ(user.CardCount(book), row.nThere);
        if (row.button && std::string(row.button) == "&Select the Copy") {
            EXPECT_TRUE(shown.contains("\"Person 1\" was changed both here")) << shown.toStdString();
            EXPECT_TRUE(selected.contains("Person 1") && selected != "Person 1") << selected.toStdString();
        }
    }
}

// A save starts a sync in the background, with no box, and the list shows
// what it brought; Save / Quit leaves one running after the window.
TEST_F(SyncQuestionsTest, ASaveStartsASyncInTheBackground)
{
    const std::vector<TestRecord> fromPhone = {kThree[1], {"Phone Friend", "555 0777", "", "", ""}};
    for (const int nButton : {IDC_SAVE_NOW, IDC_SAVE_QUIT}) {
        SCOPED_TRACE(nButton);
        std::filesystem::remove(m_dir.Path() / "runs");
        WriteFileBytes("directory.1", DirectoryBytes(fromPhone));
        SetUpSync();
        CDirectoryDlg dlg;
        RunMainWindow(dlg, kThree, [&](QWidget* w) {
            ClickName(w, 0);
            Click(w, IDC_DELETE_NAME);
            Click(w, nButton);
            if (nButton == IDC_SAVE_NOW) {
                EXPECT_TRUE(WaitFor([&] { return Names(w) == NamesOf(fromPhone); })) << Names(w).join(",").toStdString();
                EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
            }
        });
        ASSERT_TRUE(WaitFor([&] { return Runs() == 1 && ReadFileBytes() == DirectoryBytes(fromPhone); }));
        EXPECT_TRUE(HasOption(Arguments(1), "--file", File().c_str()));
        EXPECT_FALSE(HasOption(Arguments(1), "--password-stdin"));
    }
}

// Against Radicale: an edit on the server that the timer's run left for
// later, the window holding unsaved changes, arrives within seconds of Save.
TEST_F(SyncQuestionsTest, AgainstRadicaleASaveBringsWhatUnsavedChangesHeldBack)
{
    UseRealSync();
    CardDavTestServer user("radicale", true);
    if (!user.IsRunning())
        GTEST_SKIP() << "radicale is not installed";
    const std::string book = user.MakeAddressBook("book");
    ASSERT_EQ(FirstRealSync(kThree, book, user.User()), 0);
    CDirectoryDlg dlg;
    RunMainWindow(dlg, kThree, [&](QWidget* w) {
        ClickName(w, 1);
        Click(w, IDC_DELETE_NAME);
        ASSERT_LT(user.EditCard(book, "FN:Zoe Quinn", "FN:Zoe Quinn-Bell"), 300);
        const std::string timer = std::string(DIALSTACK_SYNC_BINARY) + " --file '" + File() + "' > /dev/null 2>&1";
        EXPECT_EQ(WEXITSTATUS(std::system(timer.c_str())), 3);
        EXPECT_EQ(Names(w), QStringList({"Zoe Quinn", "Mia Park"}));
        Click(w, IDC_SAVE_NOW);
        EXPECT_TRUE(WaitFor([&] { return Names(w) == QStringList({"Zoe Quinn-Bell", "Mia Park"}); }, 5000))
            << Names(w).join(",").toStdString();
    });
    EXPECT_EQ(user.CardCount(book), 2);
}

// The timer's run reports a question while the window is open: it is asked
// once, not over another dialog, and again when the window opens while it
// lasts.
TEST_F(SyncQuestionsTest, AQuestionKeptBesideTheSyncIsAskedOnceAndAgainOnOpening)
{
    SetUpSync();
    int nAsked = 0;
    const auto notNow = [&nAsked](QWidget* box) {
        ++nAsked;
        ClickButton(box, "&Not now");
    };
    CDirectoryDlg dlg;
    RunMainWindow(dlg, kThree, [&](QWidget* w) {
        // Not over another dialog: once it has gone.
        RunWhenModal([&](QWidget* add) {
            ASSERT_TRUE(TooManyDeletions().Keep(File()));
            WaitFor([add] { return QApplication::activeModalWidget() != add; }, 1500);
            EXPECT_EQ(QApplication::activeModalWidget(), add);
            WhenMessageBox(notNow);
            PressKey(Qt::Key_Escape);
        });
        Click(w, IDC_ADD_NAME);
        ASSERT_TRUE(WaitFor([&] { return nAsked == 1 && !QApplication::activeModalWidget(); }));
        ASSERT_TRUE(TooManyDeletions().Keep(File()));
        WaitFor([] { return QApplication::activeModalWidget() != nullptr; }, 2000);
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    });
    WhenMessageBox(notNow);
    CDirectoryDlg again;
    RunMainWindow(again, [](QWidget*) {});
    EXPECT_EQ(nAsked, 2);
    EXPECT_EQ(Runs(), 0);
}

}   // namespace
