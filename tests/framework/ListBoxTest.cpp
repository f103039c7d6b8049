// List boxes: entries stay where the program puts them, program changes are
// silent, every change by the user is reported, and double-clicks anywhere.

#include <string>

#include <QApplication>
#include <QElapsedTimer>
#include <QListView>
#include <QTest>
#include <QThread>
#include <gtest/gtest.h>

#include "framework/ListBoxWidget.h"
#include "tests/framework/TestDialog.h"
#include "tests/support/GuiTest.h"

using namespace GuiTest;

namespace {

// Types letters into a list box, each starting a new type-ahead search
// instead of continuing the last: while it lives the search interval is
// nothing, so a letter begins afresh once the view's millisecond clock has
// moved on from the letter before.
class LetterTyper
{
public:
    explicit LetterTyper(QWidget* pView)
        : m_pView(pView)
        , m_nSavedInterval(QApplication::keyboardInputInterval())
    {
        QApplication::setKeyboardInputInterval(0);
    }
    ~LetterTyper() { QApplication::setKeyboardInputInterval(m_nSavedInterval); }

    void Type(QChar ch)
    {
        while (m_sinceLast.isValid() && m_sinceLast.elapsed() <= QApplication::keyboardInputInterval())
            QThread::usleep(100);
        QTest::sendKeyEvent(QTest::Click, m_pView, Qt::Key_unknown, QString(ch), Qt::NoModifier);
        m_sinceLast.start();
    }

private:
    QWidget* m_pView;
    const int m_nSavedInterval;
    QElapsedTimer m_sinceLast;
};

class ListBoxTest : public testing::Test
{
protected:
    void SetUp() override
    {
        RegisterTestTemplates();
        m_dlg.m_listItems = {"Zed", "Adam", "Mia"};
    }

    // Runs check inside the open dialog, then closes it.
    void RunInDialog(std::function<void(QWidget*, CListBox&)> check)
    {
        RunWhenModal([this, check](QWidget* w) {
            check(w, m_dlg.m_list);
            PressKey(Qt::Key_Escape);
        });
        m_dlg.DoModal();
    }

    static CString Text(CListBox& list, int nIndex)
    {
        CString text;
        list.GetText(nIndex, text);
        return text;
    }

    CTestDialog m_dlg;
};

TEST_F(ListBoxTest, PositionInsertsAreNeverSortedDespiteTheSortStyle)
{
    RunInDialog([](QWidget*, CListBox& list) {
        EXPECT_EQ(list.InsertString(1, "Bob"), 1);
        EXPECT_EQ(list.InsertString(-1, "Aaron"), 4);
        EXPECT_EQ(list.InsertString(9, "Nobody"), LB_ERR);
        const char* expected[] = {"Zed", "Bob", "Adam", "Mia", "Aaron"};
        ASSERT_EQ(list.GetCount(), 5);
        for (int i = 0; i < 5; ++i)
            EXPECT_EQ(Text(list, i), expected[i]);
    });
}

// A damaged or foreign file can put a zero byte inside a name: the entry is
// shown and read back whole, also after removals have compacted the box.
TEST_F(ListBoxTest, AnEntryHoldingAZeroByteIsKeptWhole)
{
    RunInDialog([](QWidget*, CListBox& list) {
        const CString withZero("a\0b\x81", 4);
        list.ResetContent();
        ASSERT_EQ(list.InsertString(0, withZero), 0);
        for (int i = 0; i < 3000; ++i)
            list.InsertString(-1, "padding to be removed");
        while (list.GetCount() > 1)
            list.DeleteString(static_cast<UINT>(list.GetCount() - 1));
        EXPECT_EQ(Text(list, 0), withZero);
        auto* view = qobject_cast<QAbstractItemView*>(list.GetSafeHwnd());
        ASSERT_NE(view, nullptr);
        EXPECT_EQ(view->model()->index(0, 0).data().toString(), QString::fromUtf16(u"a\u0000b\u0081", 4));
    });
}

TEST_F(ListBoxTest, SelectionByTheProgramRaisesNoNotification)
{
    RunInDialog([this](QWidget*, CListBox& list) {
        EXPECT_EQ(list.GetCurSel(), -1);
        EXPECT_EQ(list.SetCurSel(2), 2);
        EXPECT_EQ(list.GetCurSel(), 2);
        EXPECT_EQ(list.SetCurSel(-1), LB_ERR);
        EXPECT_EQ(list.GetCurSel(), -1);
        list.SetCurSel(1);
        list.ResetContent();
        EXPECT_EQ(list.GetCount(), 0);
        EXPECT_EQ(list.GetCurSel(), -1);
        EXPECT_EQ(m_dlg.m_nSelChanges, 0);
    });
}

TEST_F(ListBoxTest, EverySelectionChangeByTheUserIsReported)
{
    m_dlg.m_nInitialSelection = 0;
    RunInDialog([this](QWidget* w, CListBox& list) {
        auto* view = static_cast<QListView*>(Control(w, IDC_T_LIST));
        view->setFocus();
        PressKey(Qt::Key_Down);
        EXPECT_EQ(list.GetCurSel(), 1);
        EXPECT_EQ(m_dlg.m_nSelChanges, 1);
        PressKey(Qt::Key_End);
        EXPECT_EQ(list.GetCurSel(), 2);
        EXPECT_EQ(m_dlg.m_nSelChanges, 2);
        QTest::mouseClick(
            view->viewport(), Qt::LeftButton, Qt::NoModifier, view->visualRect(view->model()->index(0, 0)).center());
        EXPECT_EQ(list.GetCurSel(), 0);
        EXPECT_EQ(m_dlg.m_nSelChanges, 3);
    });
}

TEST_F(ListBoxTest, CtrlClickAndCtrlSpaceSelectAndNeverClearTheSelection)
{
    m_dlg.m_nInitialSelection = 0;
    RunInDialog([this](QWidget* w, CListBox& list) {
        auto* view = static_cast<QAbstractItemView*>(Control(w, IDC_T_LIST));
        const auto rowCentre = [view](int nRow) { return view->visualRect(view->model()->index(nRow, 0)).center(); };
        QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::ControlModifier, rowCentre(0));
        EXPECT_EQ(list.GetCurSel(), 0) << "Ctrl+click on the selected entry keeps it selected";
        PressKey(Qt::Key_Space, Qt::ControlModifier);
        EXPECT_EQ(list.GetCurSel(), 0) << "so does Ctrl+Space";
        EXPECT_EQ(m_dlg.m_nSelChanges, 0);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::ControlModifier, rowCentre(2));
        EXPECT_EQ(list.GetCurSel(), 2) << "Ctrl+click on another entry selects it";
        EXPECT_EQ(m_dlg.m_nSelChanges, 1);
    });
}

TEST_F(ListBoxTest, DoubleClickAnywhereIsReportedAndBelowTheEntriesKeepsTheSelection)
{
    m_dlg.m_nInitialSelection = 2;
    RunInDialog([this](QWidget* w, CListBox& list) {
        auto* view = static_cast<QListView*>(Control(w, IDC_T_LIST));
        const QRect last = view->visualRect(view->model()->index(2, 0));
        const QPoint below(last.center().x(), last.bottom() + last.height());
        ASSERT_LT(below.y(), view->viewport()->height());
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, below);
        EXPECT_EQ(m_dlg.m_nDblClicks, 1);
        EXPECT_EQ(list.GetCurSel(), 2);
        EXPECT_EQ(m_dlg.m_nSelChanges, 0);

        QTest::mouseDClick(
            view->viewport(), Qt::LeftButton, Qt::NoModifier, view->visualRect(view->model()->index(1, 0)).center());
        EXPECT_EQ(m_dlg.m_nDblClicks, 2);
        EXPECT_EQ(list.GetCurSel(), 1);
    });
}

TEST_F(ListBoxTest, DeletingLeavesNothingSelected)
{
    m_dlg.m_nInitialSelection = 1;
    RunInDialog([this](QWidget*, CListBox& list) {
        EXPECT_EQ(list.DeleteString(1), 2);
        EXPECT_EQ(list.GetCurSel(), -1);
        EXPECT_EQ(Text(list, 1), "Mia");
        EXPECT_EQ(list.DeleteString(2), LB_ERR);
        EXPECT_EQ(m_dlg.m_nSelChanges, 0);
    });
}

// Assistive technology hears "label: text" for a labelled row; the screen
// shows the text alone.
TEST_F(ListBoxTest, RowLabelsPrefixOnlyTheSpokenText)
{
    RunInDialog([](QWidget* w, CListBox&) {
        auto* view = static_cast<ListBoxWidget*>(Control(w, IDC_T_LIST));
        view->SetRowLabels({"First", ""});
        const auto row = [view](int i) { return view->model()->index(i, 0); };
        EXPECT_EQ(row(0).data(Qt::AccessibleTextRole).toString(), "First: Zed");
        EXPECT_EQ(row(1).data(Qt::AccessibleTextRole).toString(), "Adam");
        EXPECT_EQ(row(2).data(Qt::AccessibleTextRole).toString(), "Mia");
        EXPECT_EQ(row(0).data(Qt::DisplayRole).toString(), "Zed");
    });
}

// Typing a letter selects the next entry that begins with it, whatever its
// case, accented letters too, going round past the end from any row; the
// user's choice is reported.
TEST_F(ListBoxTest, TypingSelectsTheNextEntryBeginningWithTheLetter)
{
    m_dlg.m_listItems = {"Zed", "adam", "\xC9mile", "Mia", "Abe"};
    m_dlg.m_nInitialSelection = 0;
    RunInDialog([this](QWidget* w, CListBox& list) {
        auto* view = static_cast<QListView*>(Control(w, IDC_T_LIST));
        view->setFocus();
        LetterTyper typer(view);
        const auto type = [&typer](QChar ch) { typer.Type(ch); };
        type('a');
        EXPECT_EQ(list.GetCurSel(), 1);
        type(QChar(0xE9));   // e acute
        EXPECT_EQ(list.GetCurSel(), 2);
        type('a');
        EXPECT_EQ(list.GetCurSel(), 4);
        type('z');
        EXPECT_EQ(list.GetCurSel(), 0);
        // Round also from a row in the middle: from Mia back up to Emile.
        type('m');
        EXPECT_EQ(list.GetCurSel(), 3);
        type(QChar(0xE9));
        EXPECT_EQ(list.GetCurSel(), 2);
        EXPECT_EQ(m_dlg.m_nSelChanges, 6);
    });
}

// The last byte of the code page, y with diaeresis, begins names too; its
// capital is byte 0x9F.
TEST_F(ListBoxTest, TypingFindsNamesBeginningWithTheLastByte)
{
    m_dlg.m_listItems = {"Zed", "\xFFvette", "Yves", "\xFFsolde"};
    m_dlg.m_nInitialSelection = 0;
    RunInDialog([](QWidget* w, CListBox& list) {
        auto* view = static_cast<QListView*>(Control(w, IDC_T_LIST));
        view->setFocus();
        LetterTyper typer(view);
        typer.Type(QChar(0xFF));
        EXPECT_EQ(list.GetCurSel(), 1);
        typer.Type(QChar(0xFF));
        EXPECT_EQ(list.GetCurSel(), 3);
        typer.Type(QChar(0x178));   // capital Y with diaeresis
        EXPECT_EQ(list.GetCurSel(), 1);
    });
}

// A long fill is announced to the view in one go: it must still raise no
// notification, leave the selection where it was, keep every entry at its
// position, and reach the view both when the program next uses the box and
// when control returns to the event loop.
TEST_F(ListBoxTest, ALargeFillIsSilentAndKeepsPositions)
{
    m_dlg.m_nInitialSelection = 1;
    RunInDialog([this](QWidget* w, CListBox& list) {
        auto* view = static_cast<QListView*>(Control(w, IDC_T_LIST));
        const int nAdded = 50000;
        for (int i = 0; i < nAdded; ++i)
            ASSERT_EQ(list.InsertString(3 + i, ("Entry " + std::to_string(i)).c_str()), 3 + i);
        ASSERT_EQ(list.GetCount(), 3 + nAdded);
        QCoreApplication::processEvents();
        ASSERT_EQ(view->model()->rowCount(), 3 + nAdded) << "the view learns of the fill from the event loop";
        EXPECT_EQ(view->model()->index(3 + nAdded - 1, 0).data().toString(), "Entry 49999");

        for (int i = 0; i < nAdded; ++i)
            list.InsertString(-1, "More");
        EXPECT_EQ(list.InsertString(1, "Middle"), 1);
        EXPECT_EQ(view->model()->rowCount(), 4 + 2 * nAdded) << "or when the program next uses the box";
        EXPECT_EQ(Text(list, 0), "Zed");
        EXPECT_EQ(Text(list, 1), "Middle");
        EXPECT_EQ(Text(list, 2), "Adam");
        EXPECT_EQ(Text(list, 4 + 12345), "Entry 12345");
        EXPECT_EQ(Text(list, 3 + 2 * nAdded), "More");
        EXPECT_EQ(list.GetCurSel(), 2) << "the selected entry moved down with the insert above it";
        EXPECT_EQ(list.SetCurSel(3 + 2 * nAdded), 3 + 2 * nAdded);
        EXPECT_EQ(m_dlg.m_nSelChanges, 0);
    });
}

}   // namespace
