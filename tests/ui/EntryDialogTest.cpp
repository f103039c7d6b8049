// "Add Record" and "Edit Item" opened from the main window and used with
// the keyboard and mouse: what reaches the directory, the name check, the
// box that gets the focus, and the limits of the boxes.

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <gtest/gtest.h>

#include "framework/WinApp.h"
#include "tests/support/ScratchDirectory.h"
#include "tests/ui/MainWindowDriver.h"

using namespace GuiTest;
using namespace MainWindow;

namespace {

const std::vector<TestRecord> kTwo
    = {{"Mia Park", "555 0101", "", "mia@example.org", ""}, {"Zoe Quinn", "", "555 0142", "", "Neighbour"}};

QLineEdit* Box(QWidget* dialog, int nId)
{
    return qobject_cast<QLineEdit*>(Control(dialog, nId));
}

// Types into the boxes of an entry dialog, each box reached by a click.
void TypeInto(QWidget* dialog, int nId, const QString& text)
{
    Click(Box(dialog, nId));
    Type(text);
}

// Queues the filling of the next entry dialog, then the key that ends it.
void AnswerEntryDialog(const TestRecord& e, Qt::Key endKey = Qt::Key_Return)
{
    RunWhenModal([e, endKey](QWidget* dialog) {
        const std::pair<int, const std::string*> fields[] = {{IDC_NAME, &e.name}, {IDC_PHONE, &e.phone},
            {IDC_PAGER, &e.pager}, {IDC_EMAIL, &e.email}, {IDC_MISC, &e.misc}};
        for (const auto& [nId, pText] : fields) {
            Box(dialog, nId)->selectAll();
            Box(dialog, nId)->setFocus();
            if (pText->empty())
                PressKey(Qt::Key_Delete);
            else
                Type(Latin1(*pText));
        }
        PressKey(endKey);
    });
}

class EntryDialogTest : public testing::Test
{
protected:
    ScratchDirectory m_dir;
    CDirectoryDlg m_dlg;
};

TEST_F(EntryDialogTest, AddFillsTheEmptyDirectoryThenAppendsLastWhateverTheName)
{
    const TestRecord first = {"Mia Park", "555 0101", "", "", ""};
    const TestRecord sortsFirst = {"Aaron", "", "", "", "call"};
    RunMainWindow(m_dlg, {}, [&](QWidget* w) {
        AnswerEntryDialog(first);
        Click(w, IDC_ADD_NAME);
        EXPECT_EQ(Names(w), NamesOf({first}));
        EXPECT_EQ(Selected(w), 0);
        EXPECT_EQ(Details(w), DetailsOf(first));

        AnswerEntryDialog(sortsFirst);
        Click(w, IDC_ADD_NAME);
        AnswerEntryDialog(first);   // the same name again is a second record
        Click(w, IDC_ADD_NAME);
        EXPECT_EQ(Names(w), NamesOf({first, sortsFirst, first}));
        EXPECT_EQ(Selected(w), 0) << "after an add the first name is selected";
        EXPECT_EQ(Details(w), DetailsOf(first));
        Click(w, IDC_SAVE_NOW);
        EXPECT_EQ(ReadFileBytes(), DirectoryBytes({first, sortsFirst, first}));
    });
}

// A change given up leaves nothing unsaved, so it keeps no writer out.
TEST_F(EntryDialogTest, CancelEscapeAndCloseBoxOfAddAddNothingEvenAfterTheNameMessage)
{
    const std::vector<std::function<void(QWidget*)>> waysOut = {
        [](QWidget* dialog) { Click(dialog, IDCANCEL); },
        [](QWidget*) { PressKey(Qt::Key_Escape); },
        [](QWidget* dialog) { dialog->close(); },
    };
    RunMainWindow(m_dlg, kTwo, [&](QWidget* w) {
        ClickName(w, 1);
        for (size_t i = 0; i < waysOut.size(); ++i) {
            for (bool afterMessage : {false, true}) {
                RunWhenModal([&, i, afterMessage](QWidget* dialog) {
                    TypeInto(dialog, IDC_PHONE, "555 0000");
                    if (afterMessage) {
                        RunWhenModal([](QWidget*) { PressKey(Qt::Key_Return); });
                        Click(dialog, IDOK);   // no name: refused with the message
                        ASSERT_EQ(TopWindow(), dialog);
                        ASSERT_TRUE(WaitFor([dialog] { return dialog->isActiveWindow(); }));
                    }
                    waysOut[i](dialog);
                });
                Click(w, IDC_ADD_NAME);
                EXPECT_EQ(Names(w), NamesOf(kTwo));
                EXPECT_EQ(Selected(w), 1) << "the selection stays";
                EXPECT_TRUE(AWriterGetsIn()) << "the add given up still keeps writers out";
            }
        }
    });
}

TEST_F(EntryDialogTest, EmptyAndBlankNamesAreRefusedAndTheBoxesKeepWhatWasTyped)
{
    QStringList messages;
    RunMainWindow(m_dlg, {}, [&](QWidget* w) {
        RunWhenModal([&](QWidget* dialog) {
            TypeInto(dialog, IDC_PHONE, "555 0100");
            for (const char* name : {"", "   "}) {
                Box(dialog, IDC_NAME)->setText(name);
                RunWhenModal([&](QWidget* box) {
                    messages << qobject_cast<QMessageBox*>(box)->text();
                    EXPECT_EQ(box->windowTitle().toStdString(), AfxGetApp()->m_strAppName.GetString());
                    PressKey(Qt::Key_Return);
                });
                Click(Box(dialog, IDC_NAME));
                PressKey(Qt::Key_Return);
                ASSERT_EQ(TopWindow(), dialog) << "the dialog stays open";
                ASSERT_TRUE(WaitFor([dialog] { return dialog->isActiveWindow(); }));
                EXPECT_EQ(Box(dialog, IDC_NAME)->text(), name);
                EXPECT_EQ(Box(dialog, IDC_PHONE)->text(), "555 0100");
            }
            // Leading blanks are part of the name as typed.
            Box(dialog, IDC_NAME)->clear();
            TypeInto(dialog, IDC_NAME, "  Lead ");
            PressKey(Qt::Key_Return);
        });
        Click(w, IDC_ADD_NAME);
        Click(w, IDC_SAVE_NOW);
        Click(w, IDC_UNDO);
        EXPECT_EQ(Names(w), QStringList({"  Lead "})) << "kept through saving and loading";
    });
    EXPECT_EQ(messages, QStringList({"You must specify a name!", "You must specify a name!"}));
    EXPECT_EQ(ReadFileBytes(),
        std::string("0\xA5"
                    "1\xA5\xA5Lead\xA5\x16\x16"
                    "555\xA5"
                    "0100\x16\x16\x16"));
}

TEST_F(EntryDialogTest, EditChangesTheSelectedRecordInPlaceAndCancelKeepsIt)
{
    const TestRecord changed = {"Anna", "1", "2", "3", "4"};
    RunMainWindow(m_dlg, kTwo, [&](QWidget* w) {
        ClickName(w, 1);
        AnswerEntryDialog(changed, Qt::Key_Escape);
        Click(w, IDC_EDIT_NAME);
        EXPECT_EQ(Names(w), NamesOf(kTwo));
        EXPECT_EQ(CursorRecord(m_dlg), kTwo[1]);
        EXPECT_TRUE(AWriterGetsIn()) << "the edit given up still keeps writers out";

        AnswerEntryDialog(changed);
        Click(w, IDC_EDIT_NAME);
        EXPECT_EQ(Names(w), NamesOf({kTwo[0], changed})) << "the record does not move, though it sorts first";
        EXPECT_EQ(Selected(w), 1);
        EXPECT_EQ(Details(w), DetailsOf(changed));

        // Renaming to another record's name is accepted too.
        AnswerEntryDialog(kTwo[0]);
        Click(w, IDC_EDIT_NAME);
        EXPECT_EQ(Names(w), NamesOf({kTwo[0], kTwo[0]}));
    });
}

TEST_F(EntryDialogTest, EditOnTheEmptyDirectoryStoresIntoTheBlankRecord)
{
    const TestRecord e = {"First", "", "", "", "note"};
    RunMainWindow(m_dlg, {}, [&](QWidget* w) {
        RunWhenModal([&](QWidget* dialog) {
            for (int nId : {IDC_NAME, IDC_PHONE, IDC_PAGER, IDC_EMAIL, IDC_MISC})
                EXPECT_TRUE(Box(dialog, nId)->text().isEmpty());
        });
        AnswerEntryDialog(e);
        Click(w, IDC_EDIT_NAME);
        EXPECT_EQ(Names(w), NamesOf({e}));
        EXPECT_EQ(Selected(w), -1) << "nothing was selected before";
        EXPECT_EQ(Details(w), DetailsOf(e));
    });
}

TEST_F(EntryDialogTest, EditAfterDeleteEditsTheRecordTheDeleteLeftUnderTheCursor)
{
    const std::vector<TestRecord> three = {kTwo[0], kTwo[1], {"Third", "", "", "", ""}};
    const TestRecord changed = {"Changed", "9", "", "", ""};
    RunMainWindow(m_dlg, three, [&](QWidget* w) {
        ClickName(w, 2);
        Click(w, IDC_DELETE_NAME);
        RunWhenModal([](QWidget* dialog) { EXPECT_EQ(Box(dialog, IDC_NAME)->text(), "Zoe Quinn"); });
        AnswerEntryDialog(changed);
        Click(w, IDC_EDIT_NAME);
        EXPECT_EQ(Names(w), NamesOf({kTwo[0], changed}));
        EXPECT_EQ(Selected(w), -1);
        EXPECT_EQ(Details(w), DetailsOf(kTwo[0])) << "the first record is shown";
    });
}

TEST_F(EntryDialogTest, EditAfterSaveNowEditsTheStillSelectedRecord)
{
    RunMainWindow(m_dlg, kTwo, [&](QWidget* w) {
        ClickName(w, 0);
        Click(w, IDC_SAVE_NOW);
        RunWhenModal([](QWidget* dialog) {
            EXPECT_EQ(Box(dialog, IDC_NAME)->text(), "Mia Park");
            PressKey(Qt::Key_Escape);
        });
        Click(w, IDC_EDIT_NAME);
    });
}

TEST_F(EntryDialogTest, DoubleClickOnADetailLineFocusesItsBoxAndTheNextEditTheName)
{
    struct Expectation
    {
        int nLine;
        int nBox;
    };
    const Expectation cases[] = {{0, IDC_PHONE}, {1, IDC_PAGER}, {2, IDC_EMAIL}, {3, IDC_MISC}, {-1, IDC_NAME}};
    RunMainWindow(m_dlg, kTwo, [&](QWidget* w) {
        QListView* details = DetailList(w);
        for (const Expectation& c : cases) {
            SCOPED_TRACE(c.nLine);
            ClickName(w, 1);
            ClickName(w, 0);   // a new selection refills the details: no line selected
            QPoint where;
            if (c.nLine >= 0) {
                where = RowRect(details, c.nLine).center();
            } else {
                where = QPoint(details->viewport()->width() / 2, details->viewport()->height() - 2);
                ASSERT_FALSE(details->indexAt(where).isValid()) << "no room below the last line";
            }
            int nFocused = 0;
            RunWhenModal([&](QWidget* dialog) {
                for (int nId : {IDC_NAME, IDC_PHONE, IDC_PAGER, IDC_EMAIL, IDC_MISC})
                    if (Focus() == Control(dialog, nId))
                        nFocused = nId;
                PressKey(Qt::Key_Escape);
            });
            QTest::mouseDClick(details->viewport(), Qt::LeftButton, Qt::NoModifier, where);
            EXPECT_EQ(nFocused, c.nBox);
            ASSERT_TRUE(WaitFor([w] { return w->isActiveWindow(); }));

            RunWhenModal([&](QWidget* dialog) {
                nFocused = Focus() == Control(dialog, IDC_NAME) ? IDC_NAME : 0;
                PressKey(Qt::Key_Escape);
            });
            Click(w, IDC_EDIT_NAME);
            EXPECT_EQ(nFocused, IDC_NAME) << "the request lasts for one dialog only";
            ASSERT_TRUE(WaitFor([w] { return w->isActiveWindow(); }));
        }
    });
}

TEST_F(EntryDialogTest, DoubleClickOnANameAndEnterInEitherListOpenEdit)
{
    RunMainWindow(m_dlg, kTwo, [&](QWidget* w) {
        int nOpened = 0;
        const auto expectNameFocused = [&](QWidget* dialog) {
            ++nOpened;
            EXPECT_EQ(Box(dialog, IDC_NAME)->text(), "Zoe Quinn");
            EXPECT_EQ(Focus(), Control(dialog, IDC_NAME));
            PressKey(Qt::Key_Escape);
        };
        QListView* names = NameList(w);
        RunWhenModal(expectNameFocused);
        QTest::mouseDClick(names->viewport(), Qt::LeftButton, Qt::NoModifier, RowRect(names, 1).center());
        ASSERT_TRUE(WaitFor([w] { return w->isActiveWindow(); }));

        for (QListView* list : {names, DetailList(w)}) {
            list->setFocus();
            RunWhenModal(expectNameFocused);
            PressKey(Qt::Key_Return);
            ASSERT_TRUE(WaitFor([w] { return w->isActiveWindow(); }));
        }
        EXPECT_EQ(nOpened, 3);
    });
}

TEST_F(EntryDialogTest, TypingStopsAtTheLimitsOfTheBoxes)
{
    RunMainWindow(m_dlg, {}, [&](QWidget* w) {
        RunWhenModal([](QWidget* dialog) {
            const QString eighty(80, QChar('x'));
            for (int nId : {IDC_NAME, IDC_PHONE, IDC_PAGER, IDC_EMAIL, IDC_MISC}) {
                TypeInto(dialog, nId, eighty);
                EXPECT_EQ(Box(dialog, nId)->text().size(), nId == IDC_MISC ? 65 : 70) << nId;
            }
            PressKey(Qt::Key_Return);
        });
        Click(w, IDC_ADD_NAME);
        Click(w, IDC_SAVE_NOW);
    });
    EXPECT_EQ(ReadFileBytes(),
        DirectoryBytes({{std::string(70, 'x'), std::string(70, 'x'), std::string(70, 'x'), std::string(70, 'x'),
            std::string(65, 'x')}}));
}

TEST_F(EntryDialogTest, ALongerNameFromTheFileIsShownWholeAndRefusedUntilShortened)
{
    const std::string longName(75, 'n');
    QString message;
    RunMainWindow(m_dlg, {{longName, "1", "", "", ""}}, [&](QWidget* w) {
        EXPECT_EQ(Names(w), QStringList({Latin1(longName)}));
        RunWhenModal([&](QWidget* dialog) {
            EXPECT_EQ(Box(dialog, IDC_NAME)->text(), Latin1(longName)) << "shown whole";
            Click(Box(dialog, IDC_PHONE));
            RunWhenModal([&](QWidget* box) {
                message = qobject_cast<QMessageBox*>(box)->text();
                PressKey(Qt::Key_Return);
            });
            PressKey(Qt::Key_Return);
            ASSERT_EQ(TopWindow(), dialog) << "refused";
            ASSERT_TRUE(WaitFor([dialog] { return Focus() == Control(dialog, IDC_NAME); }));
            PressKey(Qt::Key_End);
            Type("more");
            EXPECT_EQ(Box(dialog, IDC_NAME)->text().size(), 75) << "a longer text can only shrink";
            for (int i = 0; i < 5; ++i)
                PressKey(Qt::Key_Backspace);
            PressKey(Qt::Key_Return);
        });
        Click(w, IDC_EDIT_NAME);
        EXPECT_EQ(Names(w), QStringList({Latin1(std::string(70, 'n'))}));
    });
    EXPECT_TRUE(message.contains("70")) << message.toStdString();
}

TEST_F(EntryDialogTest, WhatWindows1252CannotHoldShowsAsTheQuestionMarkItIsStoredAsTabsBecomeSpaces)
{
    RunMainWindow(m_dlg, {}, [&](QWidget* w) {
        RunWhenModal([](QWidget* dialog) {
            // The yen sign too: the file's byte for it means a space.
            TypeInto(dialog, IDC_NAME, QString::fromUtf8("H\u00e5kan \u0100\u00d8berg \u4e2d12\u00a5 \u20ac"));
            EXPECT_EQ(Box(dialog, IDC_NAME)->text(), QString::fromUtf8("H\u00e5kan ?\u00d8berg ?12? \u20ac"));
            QApplication::clipboard()->setText(QString::fromUtf8("a\tb\u00a5\nc \u0141ukasz \u017b\u00f3\u0142\u0107"));
            Click(Box(dialog, IDC_MISC));
            PressKey(Qt::Key_V, Qt::ControlModifier);
            EXPECT_EQ(Box(dialog, IDC_MISC)->text(), QString::fromUtf8("a b? c ?ukasz ?\u00f3??"));
            PressKey(Qt::Key_Return);
        });
        Click(w, IDC_ADD_NAME);
        Click(w, IDC_SAVE_NOW);
    });
    EXPECT_EQ(ReadFileBytes(),
        std::string("0\xA5"
                    "1H\xE5kan\xA5?\xD8"
                    "berg\xA5?12?\xA5\x80\x16"
                    "a\xA5"
                    "b?\xA5"
                    "c\xA5?ukasz\xA5?\xF3??\x16\x16\x16\x16"));
}

}   // namespace
