// Modal dialogs from templates: results, keyboard rules, focus on opening,
// nesting, message-map routing and the window menu, driven by real events.

#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTest>
#include <gtest/gtest.h>

#include "framework/Menu.h"
#include "framework/WinApp.h"
#include "tests/framework/TestDialog.h"
#include "tests/support/GuiTest.h"
#include "tests/support/TestApp.h"

using namespace GuiTest;

namespace {

class DialogTest : public testing::Test
{
protected:
    void SetUp() override { RegisterTestTemplates(); }
    CTestDialog m_dlg;
};

TEST_F(DialogTest, MissingTemplateGivesMinusOne)
{
    CTestDialog dlg(IDD_TEST_MISSING);
    EXPECT_EQ(dlg.DoModal(), -1);
}

TEST_F(DialogTest, EnterInEditBoxPressesTheDefaultButton)
{
    RunWhenModal([](QWidget* w) {
        EXPECT_EQ(Focus(), Control(w, IDC_T_TEXT)) << "TRUE from OnInitDialog focuses the first tab stop";
        PressKey(Qt::Key_Return);
    });
    EXPECT_EQ(m_dlg.DoModal(), IDOK);
    EXPECT_EQ(m_dlg.m_nOkCalls, 1);
}

TEST_F(DialogTest, EnterOnAFocusedPushButtonPressesThatButton)
{
    RunWhenModal([this](QWidget* w) {
        Control(w, IDC_T_PUSH)->setFocus();
        PressKey(Qt::Key_Return);
        EXPECT_EQ(m_dlg.m_nBasePushes, 1);
        EXPECT_EQ(TopWindow(), w) << "the default button was pressed too";
        PressKey(Qt::Key_Escape);
    });
    EXPECT_EQ(m_dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(m_dlg.m_nOkCalls, 0);
}

TEST_F(DialogTest, EnterInAListBoxPressesTheDefaultButton)
{
    m_dlg.m_listItems = {"one", "two"};
    m_dlg.m_nInitialSelection = 0;
    RunWhenModal([](QWidget* w) {
        Click(Control(w, IDC_T_LIST));
        ASSERT_EQ(Focus(), Control(w, IDC_T_LIST));
        PressKey(Qt::Key_Return);
    });
    EXPECT_EQ(m_dlg.DoModal(), IDOK);
}

TEST_F(DialogTest, EscapeCloseBoxAndAltF4AllArriveAsCancel)
{
    const std::vector<std::function<void(QWidget*)>> ways = {
        [](QWidget*) { PressKey(Qt::Key_Escape); },
        [](QWidget* w) { w->close(); },
        [](QWidget*) { PressKey(Qt::Key_F4, Qt::AltModifier); },
    };
    for (size_t i = 0; i < ways.size(); ++i) {
        CTestDialog dlg;
        RunWhenModal(ways[i]);
        EXPECT_EQ(dlg.DoModal(), IDCANCEL) << "way " << i;
        EXPECT_EQ(dlg.m_nCancelCalls, 1) << "way " << i;
    }
}

TEST_F(DialogTest, FalseFromOnInitDialogKeepsTheFocusTheDialogChose)
{
    m_dlg.m_bInitResult = FALSE;
    m_dlg.m_nFocusOnInit = IDC_T_NUMBER;
    RunWhenModal([](QWidget* w) {
        EXPECT_EQ(Focus(), Control(w, IDC_T_NUMBER));
        PressKey(Qt::Key_Escape);
    });
    m_dlg.DoModal();
}

TEST_F(DialogTest, TabFollowsTemplateOrderAndSkipsHiddenControls)
{
    RunWhenModal([](QWidget* w) {
        const int expected[] = {IDC_T_NUMBER, IDC_T_LIST, IDC_T_PUSH, IDC_T_OTHER_PUSH, IDC_T_OPEN,
            static_cast<int>(CTestApp::kCommandId), IDOK, IDCANCEL, IDC_T_TEXT};
        for (int id : expected) {
            PressKey(Qt::Key_Tab);
            EXPECT_EQ(Focus(), Control(w, id)) << "expected control " << id;
        }
        EXPECT_TRUE(Control(w, IDC_T_HIDDEN)->isHidden());
        EXPECT_FALSE(Control(w, IDC_T_HIDDEN)->isEnabled());
        PressKey(Qt::Key_Escape);
    });
    m_dlg.DoModal();
}

TEST_F(DialogTest, NestedDialogRunsOverItsDisabledOwner)
{
    RunWhenModal([this](QWidget* outer) {
        RunWhenModal([this, outer](QWidget* nested) {
            EXPECT_EQ(nested->parentWidget(), outer);
            EXPECT_TRUE(nested->isModal());
            EXPECT_FALSE(m_dlg.IsWindowEnabled());
            PressKey(Qt::Key_Return);
        });
        Click(outer, IDC_T_OPEN);
        EXPECT_EQ(m_dlg.m_nNestedResult, IDOK);
        EXPECT_TRUE(m_dlg.IsWindowEnabled());
        PressKey(Qt::Key_Escape);
    });
    EXPECT_EQ(m_dlg.DoModal(), IDCANCEL);
}

TEST_F(DialogTest, CommandsWalkTheMapChainThenReachTheApplication)
{
    auto* app = static_cast<CTestApp*>(AfxGetApp());
    const int appCommandsBefore = app->m_nCommands;
    RunWhenModal([this](QWidget* w) {
        Click(w, IDC_T_PUSH);   // only the base map has it
        Click(w, IDC_T_OTHER_PUSH);   // both have it: the derived map wins
        Click(w, static_cast<int>(CTestApp::kCommandId));   // neither: the application's
        PressKey(Qt::Key_Escape);
    });
    m_dlg.DoModal();
    EXPECT_EQ(m_dlg.m_nBasePushes, 1);
    EXPECT_EQ(m_dlg.m_nOtherPushes, 1);
    EXPECT_EQ(m_dlg.m_nBaseOtherPushes, 0);
    EXPECT_EQ(app->m_nCommands, appCommandsBefore + 1);
}

TEST_F(DialogTest, EndingSendsDestroyWhileTheWindowStillExists)
{
    RunWhenModal([](QWidget*) { PressKey(Qt::Key_Escape); });
    m_dlg.DoModal();
    EXPECT_EQ(m_dlg.m_nDestroys, 1);
    EXPECT_TRUE(m_dlg.m_bDestroyedWhileWindowExisted);
    EXPECT_EQ(m_dlg.GetSafeHwnd(), nullptr);
    EXPECT_EQ(m_dlg.m_list.GetSafeHwnd(), nullptr) << "bound controls are released with the window";
}

TEST_F(DialogTest, WindowMenuHoldsMoveCloseAndAppendedItems)
{
    m_dlg.m_bAppendMenuItem = true;
    RunWhenModal([this](QWidget* w) {
        PressKey(Qt::Key_Space, Qt::AltModifier);
        QMenu* menu = OpenedMenu();
        ASSERT_NE(menu, nullptr);
        const QList<QAction*> actions = menu->actions();
        ASSERT_EQ(actions.size(), 4);
        EXPECT_EQ(actions[0]->text(), "&Move");
        EXPECT_TRUE(actions[2]->isSeparator());
        EXPECT_EQ(actions[3]->text(), "&Test Item");
        QTest::keyClick(menu, Qt::Key_T);
        ASSERT_TRUE(WaitFor([this] { return !m_dlg.m_sysCommands.empty(); }));
        EXPECT_EQ(TopWindow(), w);

        // A right-click on the dialog's free area opens it too; Close closes.
        const QPoint free(w->width() - 3, w->height() - 3);
        ASSERT_EQ(w->childAt(free), nullptr);
        QContextMenuEvent rightClick(QContextMenuEvent::Mouse, free, w->mapToGlobal(free));
        QApplication::sendEvent(w, &rightClick);
        menu = OpenedMenu();
        ASSERT_NE(menu, nullptr);
        QTest::keyClick(menu, Qt::Key_C);
    });
    EXPECT_EQ(m_dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(m_dlg.m_sysCommands, (std::vector<UINT>{IDM_T_ITEM, SC_CLOSE}));
}

}   // namespace
