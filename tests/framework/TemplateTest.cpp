// The program's own dialog templates as the dialogs show them: captions,
// sizes and every control's place in dialog units of the dialog font, tab
// order, styles that hold; and the other resources.

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

#include "framework/DialogUnits.h"
#include "framework/Dialog.h"
#include "framework/DialogWindow.h"
#include "framework/WidgetBinding.h"
#include "framework/WinApp.h"
#include "res/ResourceTable.h"
#include "res/VersionRecord.h"
#include "res/resource.h"
#include "tests/support/GuiTest.h"

using namespace GuiTest;

namespace {

struct Expected
{
    int nId;
    int x, y, cx, cy;
    const char* pszText;
};

// Opens template nId and hands the open dialog to check.
void InDialog(UINT nId, const std::function<void(QWidget*)>& check)
{
    CDialog dlg(nId);
    RunWhenModal([check](QWidget* w) {
        check(w);
        GuiTest::CloseAllModal();
    });
    dlg.DoModal();
}

QString TextOf(QWidget* control)
{
    if (auto* button = qobject_cast<QPushButton*>(control))
        return button->text();
    if (auto* label = qobject_cast<QLabel*>(control))
        return label->text();
    return QString();
}

// The dialog units the dialog placed its controls in.
const DialogUnits& UnitsOf(QWidget* w)
{
    return static_cast<DialogWindow*>(w)->Units();
}

// A static text may run on to the right of its place, where there is room.
bool IsAt(QWidget* control, const QRect& place)
{
    const QRect geometry = control->geometry();
    if (!qobject_cast<QLabel*>(control))
        return geometry == place;
    return geometry.topLeft() == place.topLeft() && geometry.height() == place.height()
        && geometry.width() >= place.width();
}

void ExpectLayout(QWidget* w, int cx, int cy, const std::vector<Expected>& controls)
{
    const DialogUnits& units = UnitsOf(w);
    EXPECT_GE(units.BaseX(), DialogUnits(w->font()).BaseX());
    EXPECT_EQ(units.BaseY(), DialogUnits(w->font()).BaseY());
    EXPECT_EQ(w->size(), QSize(units.ToPixelsX(cx), units.ToPixelsY(cy)));
    const auto children = w->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (const Expected& e : controls) {
        QWidget* control = nullptr;
        for (QWidget* child : children) {
            if (IsAt(child, units.ToPixels(e.x, e.y, e.cx, e.cy)) && TextOf(child) == e.pszText)
                control = child;
        }
        ASSERT_NE(control, nullptr) << "no control \"" << e.pszText << "\" at " << e.x << "," << e.y;
        if (e.nId != IDC_STATIC) {
            EXPECT_EQ(Control(w, e.nId), control) << e.pszText;
        }
    }
}

// The controls reached by Tab from the first one, by id.
std::vector<int> TabOrder(QWidget* w, int nFirst, size_t nCount)
{
    std::vector<int> order;
    QWidget* current = Control(w, nFirst);
    current->setFocus();
    for (size_t i = 0; i < nCount; ++i) {
        order.push_back(WidgetBinding::ControlId(current));
        PressKey(Qt::Key_Tab);
        current = Focus();
    }
    return order;
}

bool HasCloseBox(QWidget* w)
{
    return w->windowFlags().testFlag(Qt::WindowCloseButtonHint);
}

TEST(DialogUnitsTest, RoundsWhereTruncationWouldShrinkTheLayout)
{
    const DialogUnits units(6, 13);
    EXPECT_EQ(units.ToPixelsX(3), 5);   // 4.5
    EXPECT_EQ(units.ToPixelsX(5), 8);   // 7.5
    EXPECT_EQ(units.ToPixelsY(5), 8);   // 8.125
    EXPECT_EQ(units.ToPixelsY(7), 11);   // 11.375
    EXPECT_EQ(DialogUnits::MulDiv(-3, 6, 4), -5);
}

TEST(TemplateTest, MainWindow)
{
    InDialog(IDD_MAIN, [](QWidget* w) {
        EXPECT_EQ(w->windowTitle(), "Quillaven Dialstack");
        EXPECT_TRUE(HasCloseBox(w));
        EXPECT_FALSE(w->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
        ExpectLayout(w, 308, 191,
            {
                {IDC_ADD_NAME, 5, 5, 55, 15, "Add Name"},
                {IDC_SAVE_NOW, 5, 20, 55, 15, "Save Now"},
                {IDC_DELETE_NAME, 65, 5, 55, 15, "Delete Name"},
                {IDC_UNDO, 65, 20, 55, 15, "Undo Changes"},
                {IDC_EDIT_NAME, 125, 5, 55, 15, "Edit Name"},
                {IDC_PRINT, 125, 20, 55, 15, "Print"},
                {IDC_SAVE_QUIT, 246, 5, 55, 14, "Save / Quit"},
                {static_cast<int>(ID_HELP), 246, 20, 55, 14, "&Help"},
                {IDC_NAME_LIST, 7, 40, 294, 95, ""},
                {IDC_DETAIL_LIST, 31, 144, 270, 40, ""},
                {IDC_STATIC, 7, 161, 20, 8, "Email"},
                {IDC_STATIC, 7, 153, 20, 8, "Pager"},
                {IDC_STATIC, 7, 145, 22, 8, "Phone"},
                {IDC_MISC_LABEL, 7, 169, 18, 8, "Misc."},
            });
        EXPECT_EQ(Focus(), Control(w, IDC_ADD_NAME));
        // Away from the push buttons, Edit Name is the default again.
        Control(w, IDC_NAME_LIST)->setFocus();
        EXPECT_TRUE(static_cast<QPushButton*>(Control(w, IDC_EDIT_NAME))->isDefault());
        EXPECT_FALSE(static_cast<QPushButton*>(Control(w, IDC_ADD_NAME))->isDefault());
        EXPECT_EQ(TabOrder(w, IDC_ADD_NAME, 11),
            (std::vector<int>{IDC_ADD_NAME, IDC_SAVE_NOW, IDC_DELETE_NAME, IDC_UNDO, IDC_EDIT_NAME, IDC_PRINT,
                IDC_SAVE_QUIT, static_cast<int>(ID_HELP), IDC_NAME_LIST, IDC_DETAIL_LIST, IDC_ADD_NAME}));
    });
}

std::vector<Expected> EntryControls()
{
    return {
        {IDC_NAME, 60, 5, 190, 14, ""},
        {IDC_PHONE, 60, 25, 190, 15, ""},
        {IDC_PAGER, 60, 45, 190, 15, ""},
        {IDC_EMAIL, 60, 65, 190, 15, ""},
        {IDC_MISC, 60, 85, 190, 15, ""},
        {IDOK, 260, 5, 50, 14, "OK"},
        {IDCANCEL, 260, 20, 50, 14, "Cancel"},
        {IDC_STATIC, 30, 10, 25, 10, "Name"},
        {IDC_STATIC, 35, 90, 18, 8, "Misc."},
        {IDC_STATIC, 5, 30, 48, 8, "Phone Number"},
        {IDC_STATIC, 5, 50, 46, 8, "Pager Number"},
        {IDC_STATIC, 5, 70, 45, 8, "Email Address"},
    };
}

const std::vector<int> kEntryTabOrder = {IDC_NAME, IDC_PHONE, IDC_PAGER, IDC_EMAIL, IDC_MISC, IDOK, IDCANCEL, IDC_NAME};

TEST(TemplateTest, AddRecord)
{
    InDialog(IDD_ADD_RECORD, [](QWidget* w) {
        EXPECT_EQ(w->windowTitle(), "Add Record");
        EXPECT_TRUE(HasCloseBox(w));
        ExpectLayout(w, 317, 111, EntryControls());
        EXPECT_EQ(Control(w, IDC_FOCUS_ID), nullptr);
        EXPECT_TRUE(static_cast<QPushButton*>(Control(w, IDOK))->isDefault());
        EXPECT_EQ(TabOrder(w, IDC_NAME, 8), kEntryTabOrder);
    });
}

TEST(TemplateTest, EditItemHasNoCloseBoxAndAHiddenDisabledFocusBox)
{
    InDialog(IDD_EDIT_ITEM, [](QWidget* w) {
        EXPECT_EQ(w->windowTitle(), "Edit Item");
        EXPECT_FALSE(HasCloseBox(w));
        ExpectLayout(w, 317, 111, EntryControls());
        QWidget* focusBox = Control(w, IDC_FOCUS_ID);
        ASSERT_NE(focusBox, nullptr);
        EXPECT_EQ(focusBox->geometry(), UnitsOf(w).ToPixels(261, 44, 6, 12));
        EXPECT_TRUE(focusBox->isHidden());
        EXPECT_FALSE(focusBox->isEnabled());
        EXPECT_EQ(TabOrder(w, IDC_NAME, 8), kEntryTabOrder);
    });
}

TEST(TemplateTest, AboutBoxShowsTheIconAndKeepsAmpersandsOfNoPrefixText)
{
    InDialog(IDD_ABOUT_BOX, [](QWidget* w) {
        EXPECT_EQ(w->windowTitle(), "About Quillaven Dialstack");
        EXPECT_TRUE(HasCloseBox(w));
        ExpectLayout(w, 251, 119,
            {
                {IDC_STATIC, 40, 10, 119, 8, "Quillaven Dialstack Version 2.0"},
                {IDOK, 212, 7, 32, 14, "OK"},
            });
        const DialogUnits& units = UnitsOf(w);
        QLabel* icon = nullptr;
        for (QLabel* label : w->findChildren<QLabel*>()) {
            if (label->pos() == QPoint(units.ToPixelsX(11), units.ToPixelsY(17)))
                icon = label;
        }
        ASSERT_NE(icon, nullptr);
        EXPECT_EQ(icon->pixmap().size(), QSize(32, 32));
        EXPECT_EQ(Focus(), Control(w, IDOK));
    });
}

TEST(TemplateTest, StaticsShowAmpersandsOnlyWithTheNoPrefixStyle)
{
    DialogTemplate t{9050, 0x80C800C0, 0, 0, 0, 100, 50, "Prefix", "MS Sans Serif", 8,
        {
            {"STATIC", 1, "Tom & Jerry", 5, 5, 80, 8, 0x50000080},
            {"STATIC", 2, "&Name", 5, 15, 80, 8, 0x50000000},
            {"EDIT", 3, "", 5, 25, 80, 12, 0x50810000},
        }};
    ResourceTable::AddDialog(t);
    InDialog(9050, [](QWidget* w) {
        auto* noPrefix = static_cast<QLabel*>(Control(w, 1));
        auto* prefix = static_cast<QLabel*>(Control(w, 2));
        EXPECT_EQ(noPrefix->buddy(), nullptr) << "'&' is shown as it is";
        EXPECT_EQ(prefix->buddy(), Control(w, 3)) << "the mnemonic leads to the next control";
        PressKey(Qt::Key_N, Qt::AltModifier);
        EXPECT_EQ(Focus(), Control(w, 3));
    });
}

TEST(ResourceTest, StringsIconsAndVersion)
{
    CString about;
    EXPECT_TRUE(about.LoadString(IDS_ABOUT_MENU));
    EXPECT_EQ(about, "&About Dialstack2...");
    CString missing("x");
    EXPECT_FALSE(missing.LoadString(9999));
    EXPECT_TRUE(missing.IsEmpty());

    ASSERT_NE(AfxGetApp()->LoadIcon(IDI_MAIN), nullptr);
    EXPECT_EQ(AfxGetApp()->LoadIcon(IDI_MAIN), AfxGetApp()->LoadIcon(IDI_MAIN)) << "one shared icon";
    EXPECT_EQ(AfxGetApp()->LoadIcon(1), nullptr);

    const VersionRecord& version = ResourceTable::Version();
    EXPECT_EQ(std::vector<unsigned short>(version.fileVersion, version.fileVersion + 4),
        (std::vector<unsigned short>{1, 0, 0, 1}));
    EXPECT_STREQ(version.pszFileVersion, "1, 0, 0, 1");
    EXPECT_STREQ(version.pszFileDescription, "Quillaven Dialstack");
    EXPECT_STREQ(version.pszProductName, "Quillaven Dialstack v 2.0");
    EXPECT_STREQ(version.pszLanguageBlock, "040904b0");
}

TEST(ResourceTest, HelpPageExplainsEveryCommand)
{
    const std::string page(ResourceTable::HelpPage());
    for (const char* topic : {"Add Name", "Delete Name", "Edit Name", "Save Now", "Undo Changes", "Print",
             "Save / Quit", "Help", "Double-click", "About Dialstack2", "Escape", "Dialstack.dat", "CUPS", "F1",
             "Shift+F10", "Menu key", "Ctrl+W", "Ctrl+F", "F3", "Alt+F7"})
        EXPECT_NE(page.find(topic), std::string::npos) << topic;
}

}   // namespace
