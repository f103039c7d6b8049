// Find and F3 through the real main window: the match is selected as a
// click selects it, the search goes on after the selection and round once,
// and a search that matches nothing says so and changes nothing.

#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "tests/support/ScratchDirectory.h"
#include "tests/ui/MainWindowDriver.h"

using namespace GuiTest;
using namespace MainWindow;

namespace {

// Windows-1252: \xEB is e with diaeresis.
const std::vector<TestRecord> kPeople = {
    {"Ann Lee", "555-0199", "", "ann@example.org", "Sister"},
    {"Zo\xEB Hart", "+442079460000", "", "", ""},
    {"Bob Hart", "", "555 0142", "", "hart-home"},
};

// Answers the Find dialog the next step opens: types text into its box and
// presses Enter (Find Next), after checking what it offers. pMessage: the
// text of the message box the search then shows, which is answered.
void AnswerFind(const QString& text, const QString& offered = QString(), QString* pMessage = nullptr)
{
    RunWhenModal([text, offered, pMessage](QWidget* find) {
        EXPECT_EQ(find->windowTitle(), "Find");
        auto* box = qobject_cast<QLineEdit*>(Control(find, IDC_FIND_TEXT));
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(Focus(), box);
        EXPECT_EQ(box->text(), offered) << "the last search is offered";
        EXPECT_EQ(box->selectedText(), offered) << "selected, so typing replaces it";
        EXPECT_TRUE(qobject_cast<QPushButton*>(Control(find, IDOK))->isDefault()) << "Find Next";
        Type(text);
        if (pMessage)
            AnswerMessageBox(pMessage);
        PressKey(Qt::Key_Return);
    });
}

// A key for the main window once it is active again (a dialog it ran has
// just closed): its keys work only while it is.
void PressInMainWindow(QWidget* w, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    ASSERT_TRUE(WaitFor([w] { return w->isActiveWindow(); }));
    PressKey(key, modifiers);
}

class FindTest : public testing::Test
{
protected:
    ScratchDirectory m_dir;
    CDirectoryDlg m_dlg;
};

TEST_F(FindTest, FindAndF3SelectTheNextMatchAsAClickWouldAndGoRoundOnce)
{
    RunMainWindow(m_dlg, kPeople, [this](QWidget* w) {
        ASSERT_EQ(Selected(w), 0);
        // Ctrl+F from the name list; no accent typed, the accent found.
        NameList(w)->setFocus();
        AnswerFind("zoe hart");
        PressInMainWindow(w, Qt::Key_F, Qt::ControlModifier);
        EXPECT_EQ(Selected(w), 1);
        EXPECT_EQ(Details(w), DetailsOf(kPeople[1])) << "the details follow, as after a click";
        EXPECT_EQ(CursorRecord(m_dlg), kPeople[1]) << "the cursor stands on the match";
        EXPECT_TRUE(WaitFor([w] { return Focus() == NameList(w); })) << "the focus is back where it was";

        // The window menu's Find: the next "hart" after the selection, then
        // F3 goes round to the first one again.
        AnswerFind("hart", "zoe hart");
        PressInMainWindow(w, Qt::Key_F10, Qt::ShiftModifier);
        QMenu* menu = OpenedMenu();
        ASSERT_NE(menu, nullptr);
        QTest::keyClick(menu, Qt::Key_F);
        ASSERT_TRUE(WaitFor([w] { return Selected(w) == 2; }));
        EXPECT_EQ(CursorRecord(m_dlg), kPeople[2]);
        PressInMainWindow(w, Qt::Key_F3);
        EXPECT_EQ(Selected(w), 1);
        EXPECT_EQ(Details(w), DetailsOf(kPeople[1]));

        // Digits find a number however it is written; with only the
        // selected record matching, the search ends on it and says so.
        ClickName(w, 0);
        QString text;
        AnswerFind("(555) 01-99", "hart", &text);
        PressInMainWindow(w, Qt::Key_F, Qt::ControlModifier);
        EXPECT_EQ(text, "Only the selected record matches \"(555) 01-99\".");
        EXPECT_EQ(Selected(w), 0);
        EXPECT_EQ(CursorRecord(m_dlg), kPeople[0]);

        // Nothing matches: the user is told, the selection stays.
        ClickName(w, 2);
        AnswerFind("Carol", "(555) 01-99", &text);
        PressInMainWindow(w, Qt::Key_F, Qt::ControlModifier);
        EXPECT_EQ(text, "Nothing in the directory matches \"Carol\".");
        EXPECT_EQ(Selected(w), 2);
        EXPECT_EQ(CursorRecord(m_dlg), kPeople[2]);

        // Cancel searches nothing (a search would say nothing matches).
        RunWhenModal([](QWidget*) { PressKey(Qt::Key_Escape); });
        PressInMainWindow(w, Qt::Key_F, Qt::ControlModifier);
        EXPECT_EQ(Selected(w), 2);
    });
}

// A caller's number selects the record holding the same whole number
// before one that holds only its digits; F3 goes on to that one, then round.
TEST_F(FindTest, TheSameWholeNumberComesBeforeItsDigitsAlone)
{
    const std::vector<TestRecord> people = {
        {"Ann Lee", "555-0199", "", "", ""},
        {"Office", "", "", "", "+44 20 7946 0000 / 01"},
        {"Zo\xEB Hart", "+44 (0)20 7946 0000", "", "", ""},
    };
    RunMainWindow(m_dlg, people, [](QWidget* w) {
        ASSERT_EQ(Selected(w), 0);
        NameList(w)->setFocus();
        AnswerFind("+442079460000");
        PressInMainWindow(w, Qt::Key_F, Qt::ControlModifier);
        EXPECT_EQ(Selected(w), 2);
        PressInMainWindow(w, Qt::Key_F3);
        EXPECT_EQ(Selected(w), 1);
        PressInMainWindow(w, Qt::Key_F3);
        EXPECT_EQ(Selected(w), 2);
    });
}

}   // namespace
