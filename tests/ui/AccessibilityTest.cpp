// What a screen reader meets in every window of the program: each window's
// accessible tree, walked through Qt's accessibility interface as an
// assistive technology walks it, every node a reader can reach with its
// role and the name it speaks.

#include <functional>

#include <QAccessible>
#include <QApplication>
#include <QMetaEnum>
#include <gtest/gtest.h>

#include "app/DirectoryApp.h"
#include "framework/HelpWindow.h"
#include "framework/WindowStyles.h"
#include "res/ResourceTable.h"
#include "tests/support/ScratchDirectory.h"
#include "tests/ui/MainWindowDriver.h"
#include "ui/AboutDlg.h"
#include "ui/AddRecordDlg.h"
#include "ui/EditItemDlg.h"
#include "ui/FindDlg.h"

// The program's own application object: its resources, icon and help page.
CDirectoryApp theApp;

namespace {

using namespace GuiTest;

// One line a node, indented two spaces a level: "Role: name". Nodes a
// reader cannot reach (hidden controls) are left out.
void Walk(QAccessibleInterface* node, int nDepth, QStringList& lines)
{
    if (!node || node->state().invisible)
        return;
    const char* role = QMetaEnum::fromType<QAccessible::Role>().valueToKey(node->role());
    lines << QString(nDepth * 2, QLatin1Char(' ')) + QLatin1String(role) + QStringLiteral(": ")
            + node->text(QAccessible::Name);
    for (int i = 0; i < node->childCount(); ++i)
        Walk(node->child(i), nDepth + 1, lines);
}

QStringList AccessibleTree(QWidget* window)
{
    QStringList lines;
    Walk(QAccessible::queryAccessibleInterface(window), 0, lines);
    return lines;
}

// What both entry dialogs read out: their five boxes under the names of
// their labels, the buttons, then the labels themselves.
QStringList EntryDialogTree(const QString& title)
{
    return {"Dialog: " + title, "  EditableText: Name", "  EditableText: Phone Number", "  EditableText: Pager Number",
        "  EditableText: Email Address", "  EditableText: Misc.", "  Button: OK", "  Button: Cancel",
        "  StaticText: Name", "  StaticText: Misc.", "  StaticText: Phone Number", "  StaticText: Pager Number",
        "  StaticText: Email Address"};
}

// Runs a modal dialog and reads its tree once it is up.
QStringList TreeOfModal(CDialog& dialog)
{
    QStringList tree;
    RunWhenModal([&tree](QWidget* window) {
        tree = AccessibleTree(window);
        PressKey(Qt::Key_Escape);
    });
    dialog.DoModal();
    return tree;
}

// A dialog laid out the usual way, each label before its box: the labels
// name the boxes, the mnemonic's '&' unspoken.
constexpr UINT IDD_LABELLED = 9400;

void AddLabelledTemplate()
{
    constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
    ResourceTable::AddDialog(
        {IDD_LABELLED, DS_MODALFRAME | WS_POPUP | WS_CAPTION, 0, 0, 0, 160, 90, "Labelled", "MS Sans Serif", 8,
            {
                {"STATIC", -1, "&Surname", 5, 5, 40, 8, kChild},
                {"EDIT", 1, "", 50, 5, 100, 12, kChild | WS_BORDER | WS_TABSTOP},
                {"STATIC", -1, "Fish && Chips", 5, 20, 40, 8, kChild},
                {"EDIT", 2, "", 50, 20, 100, 12, kChild | WS_BORDER | WS_TABSTOP},
                {"STATIC", -1, "R&ecent calls", 5, 35, 40, 8, kChild},
                {"LISTBOX", 3, "", 50, 35, 100, 30, kChild | WS_BORDER | WS_TABSTOP},
                {"BUTTON", IDOK, "&Done", 50, 70, 40, 14, kChild | WS_TABSTOP | BS_DEFPUSHBUTTON},
            }});
}

struct WindowCase
{
    const char* pszWindow;
    std::function<QStringList()> readTree;
    QStringList expected;
};

TEST(AccessibilityTest, EveryControlOfEveryWindowHasTheNameAReaderSpeaks)
{
    ScratchDirectory dir;
    AddLabelledTemplate();
    const std::vector<TestRecord> kDirectory
        = {{"Corner Shop", "555 0100", "", "", "Open late"}, {"Vet", "555 0199", "555 0142", "vet@example.org", ""}};
    const WindowCase cases[] = {
        {"main window",
            [&] {
                CDirectoryDlg dlg;
                QStringList tree;
                MainWindow::RunMainWindow(dlg, kDirectory, [&tree](QWidget* w) { tree = AccessibleTree(w); });
                return tree;
            },
            {
                "Window: Quillaven Dialstack",
                "  Button: Add Name",
                "  Button: Save Now",
                "  Button: Delete Name",
                "  Button: Undo Changes",
                "  Button: Edit Name",
                "  Button: Print",
                "  Button: Save / Quit",
                "  Button: Help",
                "  List: Names",
                "    ListItem: Corner Shop",
                "    ListItem: Vet",
                "  List: Details",
                "    ListItem: Phone: 555 0100",
                "    ListItem: Pager: ",
                "    ListItem: Email: ",
                "    ListItem: Misc.: Open late",
                "  StaticText: Email",
                "  StaticText: Pager",
                "  StaticText: Phone",
                "  StaticText: Misc.",
            }},
        {"Add Record",
            [] {
                CAddRecordDlg dlg;
                return TreeOfModal(dlg);
            },
            EntryDialogTree("Add Record")},
        {"Edit Item (its hidden focus box unreachable)",
            [] {
                CEditItemDlg dlg;
                dlg.m_fields.strName = "Vet";
                dlg.m_nFocusId = IDC_NAME;
                return TreeOfModal(dlg);
            },
            EntryDialogTree("Edit Item")},
        {"Find (the box named without the label's colon)",
            [] {
                CFindDlg dlg;
                return TreeOfModal(dlg);
            },
            {
                "Dialog: Find",
                "  StaticText: Find what:",
                "  EditableText: Find what",
                "  Button: Find Next",
                "  Button: Cancel",
            }},
        {"About box",
            [] {
                CAboutDlg dlg;
                return TreeOfModal(dlg);
            },
            {
                "Dialog: About Quillaven Dialstack",
                "  Graphic: Dialstack icon",
                "  StaticText: Quillaven Dialstack Version 2.0",
                "  StaticText: Made in Quillaven for every desk.",
                "  Button: OK",
                "  StaticText: Dialstack keeps the names, phone and pager numbers, e-mail addresses and notes "
                "of the people you call, in the file Dialstack.dat of the folder you start it from.",
                "  StaticText: Copyright (C) 2026 Quillaven",
            }},
        {"help window (a frame, the page a text with a caret; the rest Qt's scroll area)",
            [] {
                HelpWindow::Open();
                const QStringList tree = AccessibleTree(HelpWindow::Current());
                HelpWindow::Close();
                return tree;
            },
            {
                "Window: Dialstack Help",
                "  EditableText: Dialstack Help",
                "    Client: ",
                "    Client: ",
                "      ScrollBar: ",
            }},
        {"a message box: an alert named by its title, its text the description",
            [] {
                QStringList tree;
                RunWhenModal([&tree](QWidget* box) {
                    QAccessibleInterface* node = QAccessible::queryAccessibleInterface(box);
                    tree << QString::number(node->role()) << node->text(QAccessible::Name)
                         << node->text(QAccessible::Description);
                    PressKey(Qt::Key_Return);
                });
                AfxMessageBox("Nothing matches \"x\".", MB_OK | MB_ICONINFORMATION);
                return tree;
            },
            {QString::number(QAccessible::AlertMessage), QString::fromLatin1(AfxGetApp()->m_strAppName.GetString()),
                "Nothing matches \"x\"."}},
        {"a dialog whose labels come before their boxes",
            [] {
                CDialog dlg(IDD_LABELLED);
                return TreeOfModal(dlg);
            },
            {
                "Dialog: Labelled",
                "  StaticText: Surname",
                "  EditableText: Surname",
                "  StaticText: Fish & Chips",
                "  EditableText: Fish & Chips",
                "  StaticText: Recent calls",
                "  List: Recent calls",
                "  Button: Done",
            }},
    };
    for (const WindowCase& c : cases) {
        SCOPED_TRACE(c.pszWindow);
        EXPECT_EQ(c.readTree(), c.expected);
    }
}

}   // namespace
