// The window menu as the keyboard meets it, and where Move is offered.

#include <QMenu>
#include <QTest>
#include <gtest/gtest.h>

#include "framework/WindowMove.h"
#include "tests/framework/TestDialog.h"
#include "tests/support/GuiTest.h"

using namespace GuiTest;

namespace {

TEST(WindowMoveTest, OnlyAnX11WindowManagerMovesAWindowFromTheKeyboard)
{
    EXPECT_TRUE(WindowMove::IsAvailableOn(u"xcb"));
    for (const char16_t* platform : {u"wayland", u"wayland-egl", u"offscreen", u"eglfs"})
        EXPECT_FALSE(WindowMove::IsAvailableOn(platform)) << QString::fromUtf16(platform).toStdString();
}

// Here (offscreen) no window manager can move the window: Move is greyed
// yet current, so Return on the menu just opened chooses nothing, and the
// keys of a move (Move's letter, an arrow, Return) do nothing, neither in
// the menu nor below it.
TEST(WindowMenuTest, GreyedMoveTakesTheKeysOfAMoveAndDoesNothing)
{
    RegisterTestTemplates();
    ASSERT_FALSE(WindowMove::IsAvailable());
    CTestDialog dlg;
    dlg.m_bAppendMenuItem = true;
    RunWhenModal([&dlg](QWidget* w) {
        Control(w, IDC_T_PUSH)->setFocus();
        PressKey(Qt::Key_F10, Qt::ShiftModifier);
        QMenu* menu = OpenedMenu();
        ASSERT_NE(menu, nullptr);
        const QList<QAction*> actions = menu->actions();
        ASSERT_EQ(actions[0]->text(), "&Move");
        EXPECT_FALSE(actions[0]->isEnabled());
        EXPECT_EQ(menu->activeAction(), actions[0]) << "greyed Move, the first item";
        QTest::keyClick(menu, Qt::Key_Return);
        QTest::qWait(50);
        EXPECT_TRUE(menu->isVisible()) << "Return on the menu just opened chose an item";
        QTest::keyClick(menu, Qt::Key_Down);
        EXPECT_EQ(menu->activeAction(), actions[1]);

        QTest::keyClick(menu, Qt::Key_M);
        EXPECT_EQ(menu->activeAction(), actions[0]) << "the greyed item is current, and spoken";
        QTest::keyClick(menu, Qt::Key_Right);
        QTest::keyClick(menu, Qt::Key_Return);
        QTest::qWait(50);
        EXPECT_TRUE(menu->isVisible());
        EXPECT_TRUE(dlg.m_sysCommands.empty());
        EXPECT_EQ(dlg.m_nBasePushes, 0) << "Return reached the button below";
        QTest::keyClick(menu, Qt::Key_Escape);
        ASSERT_TRUE(WaitFor([menu] { return !menu->isVisible(); }));

        // Reopened, the current item is the first one again; Close is
        // chosen only by moving to it.
        PressKey(Qt::Key_Menu);
        menu = OpenedMenu();
        ASSERT_NE(menu, nullptr);
        EXPECT_EQ(menu->activeAction(), actions[0]);
        QTest::keyClick(menu, Qt::Key_Down);
        QTest::keyClick(menu, Qt::Key_Return);
    });
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(dlg.m_sysCommands, std::vector<UINT>{SC_CLOSE});
}

}   // namespace
