#include "res/DialogTemplates.h"

#include "base/TextMarkers.h"
#include "framework/DialogFont.h"
#include "framework/WindowStyles.h"
#include "res/resource.h"

namespace {

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
constexpr DWORD kPushButton = kChild | WS_TABSTOP | BS_PUSHBUTTON;
constexpr DWORD kDefPushButton = kChild | WS_TABSTOP | BS_DEFPUSHBUTTON;
constexpr DWORD kLabel = kChild | SS_LEFT | WS_GROUP;
constexpr DWORD kEntry = kChild | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL;
constexpr DWORD kList = kChild | WS_BORDER | WS_VSCROLL | WS_TABSTOP | LBS_NOTIFY | LBS_SORT | LBS_NOINTEGRALHEIGHT;

DialogTemplate AboutBox()
{
    return {IDD_ABOUT_BOX, 0x80C800C0, 0, 0, 0, 251, 119, DIALSTACK_TR_NOOP("Resources", "About Quillaven Dialstack"),
        DialogFont::kClassicName, DialogFont::kClassicPointSize,
        {
            {"STATIC", IDC_STATIC, "", 11, 17, 21, 20, 0x50000003, IDI_MAIN,
                DIALSTACK_TR_NOOP("Resources", "Dialstack icon")},
            {"STATIC", IDC_STATIC, DIALSTACK_TR_NOOP("Resources", "Quillaven Dialstack Version 2.0"), 40, 10, 119, 8,
                0x50020080},
            {"STATIC", IDC_STATIC, DIALSTACK_TR_NOOP("Resources", "Made in Quillaven for every desk."), 39, 78, 119, 8,
                0x50020000},
            {"BUTTON", IDOK, DIALSTACK_TR_NOOP("Resources", "OK"), 212, 7, 32, 14, 0x50030001},
            {"STATIC", IDC_STATIC,
                DIALSTACK_TR_NOOP("Resources",
                    "Dialstack keeps the names, phone and pager numbers, e-mail addresses and notes "
                    "of the people you call, in the file Dialstack.dat of the folder you start it from."),
                40, 30, 149, 45, 0x50821000},
            {"STATIC", IDC_STATIC, DIALSTACK_TR_NOOP("Resources", "Copyright (C) 2026 Quillaven"), 39, 20, 114, 8,
                0x50020000},
        }};
}

DialogTemplate MainWindow()
{
    return {IDD_MAIN, DS_MODALFRAME | DS_3DLOOK | DS_SETFONT | WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU,
        WS_EX_APPWINDOW, 0, 0, 308, 191, DIALSTACK_TR_NOOP("Resources", "Quillaven Dialstack"),
        DialogFont::kClassicName, DialogFont::kClassicPointSize,
        {
            {"BUTTON", IDC_ADD_NAME, DIALSTACK_TR_NOOP("Resources", "Add Name"), 5, 5, 55, 15, kPushButton},
            {"BUTTON", IDC_SAVE_NOW, DIALSTACK_TR_NOOP("Resources", "Save Now"), 5, 20, 55, 15, kPushButton},
            {"BUTTON", IDC_DELETE_NAME, DIALSTACK_TR_NOOP("Resources", "Delete Name"), 65, 5, 55, 15, kPushButton},
            {"BUTTON", IDC_UNDO, DIALSTACK_TR_NOOP("Resources", "Undo Changes"), 65, 20, 55, 15, kPushButton},
            {"BUTTON", IDC_EDIT_NAME, DIALSTACK_TR_NOOP("Resources", "Edit Name"), 125, 5, 55, 15, kDefPushButton},
            {"BUTTON", IDC_PRINT, DIALSTACK_TR_NOOP("Resources", "Print"), 125, 20, 55, 15, kPushButton},
            {"BUTTON", IDC_SAVE_QUIT, DIALSTACK_TR_NOOP("Resources", "Save / Quit"), 246, 5, 55, 14, kPushButton},
            {"BUTTON", static_cast<int>(ID_HELP), DIALSTACK_TR_NOOP("Resources", "&Help"), 246, 20, 55, 14,
                kPushButton},
            // No label precedes the lists: the names a screen reader speaks.
            {"LISTBOX", IDC_NAME_LIST, "", 7, 40, 294, 95, kList, 0, DIALSTACK_TR_NOOP("Resources", "Names")},
            {"LISTBOX", IDC_DETAIL_LIST, "", 31, 144, 270, 40, kList, 0, DIALSTACK_TR_NOOP("Resources", "Details")},
            {"STATIC", IDC_STATIC, DIALSTACK_TR_NOOP("Resources", "Email"), 7, 161, 20, 8, kLabel},
            {"STATIC", IDC_STATIC, DIALSTACK_TR_NOOP("Resources", "Pager"), 7, 153, 20, 8, kLabel},
            {"STATIC", IDC_STATIC, DIALSTACK_TR_NOOP("Resources", "Phone"), 7, 145, 22, 8, kLabel},
            {"STATIC", IDC_MISC_LABEL, DIALSTACK_TR_NOOP("Resources", "Misc."), 7, 169, 18, 8, kLabel},
        }};
}

// "Add Record" and "Edit Item" share their layout; only "Edit Item" carries
// the hidden box that takes the focus request through the data exchange,
// and it has no system menu. The labels follow the boxes in template order,
// so each box carries its label's text as its name for screen readers.
DialogTemplate EntryDialog(UINT nId, const char* pszCaption, DWORD dwSysMenu)
{
    const char* const kName = DIALSTACK_TR_NOOP("Resources", "Name");
    const char* const kPhone = DIALSTACK_TR_NOOP("Resources", "Phone Number");
    const char* const kPager = DIALSTACK_TR_NOOP("Resources", "Pager Number");
    const char* const kEmail = DIALSTACK_TR_NOOP("Resources", "Email Address");
    const char* const kMisc = DIALSTACK_TR_NOOP("Resources", "Misc.");
    DialogTemplate t{nId, DS_MODALFRAME | DS_SETFONT | WS_POPUP | WS_CAPTION | dwSysMenu, 0, 0, 0, 317, 111, pszCaption,
        DialogFont::kClassicName, DialogFont::kClassicPointSize,
        {
            {"EDIT", IDC_NAME, "", 60, 5, 190, 14, kEntry, 0, kName},
            {"EDIT", IDC_PHONE, "", 60, 25, 190, 15, kEntry, 0, kPhone},
            {"EDIT", IDC_PAGER, "", 60, 45, 190, 15, kEntry, 0, kPager},
            {"EDIT", IDC_EMAIL, "", 60, 65, 190, 15, kEntry, 0, kEmail},
            {"EDIT", IDC_MISC, "", 60, 85, 190, 15, kEntry, 0, kMisc},
            {"BUTTON", IDOK, DIALSTACK_TR_NOOP("Resources", "OK"), 260, 5, 50, 14, kDefPushButton},
            {"BUTTON", IDCANCEL, DIALSTACK_TR_NOOP("Resources", "Cancel"), 260, 20, 50, 14, kPushButton},
            {"STATIC", IDC_STATIC, kName, 30, 10, 25, 10, kLabel},
            {"STATIC", IDC_STATIC, kMisc, 35, 90, 18, 8, kLabel},
            {"STATIC", IDC_STATIC, kPhone, 5, 30, 48, 8, kLabel},
            {"STATIC", IDC_STATIC, kPager, 5, 50, 46, 8, kLabel},
            {"STATIC", IDC_STATIC, kEmail, 5, 70, 45, 8, kLabel},
        }};
    if (nId == IDD_EDIT_ITEM)
        t.items.push_back({"EDIT", IDC_FOCUS_ID, "", 261, 44, 6, 12, WS_CHILD | WS_DISABLED | ES_AUTOHSCROLL});
    return t;
}

// "Find": what to look for, Find Next (the default) and Cancel. The box
// carries its label's text, without the colon, as its name.
DialogTemplate FindDialog()
{
    return {IDD_FIND, DS_MODALFRAME | DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU, 0, 0, 0, 236, 42,
        DIALSTACK_TR_NOOP("Resources", "Find"), DialogFont::kClassicName, DialogFont::kClassicPointSize,
        {
            {"STATIC", IDC_STATIC, DIALSTACK_TR_NOOP("Resources", "Fi&nd what:"), 6, 9, 40, 8, kLabel},
            {"EDIT", IDC_FIND_TEXT, "", 48, 7, 120, 14, kEntry, 0, DIALSTACK_TR_NOOP("Resources", "Find what")},
            {"BUTTON", IDOK, DIALSTACK_TR_NOOP("Resources", "Find Next"), 176, 6, 54, 14, kDefPushButton},
            {"BUTTON", IDCANCEL, DIALSTACK_TR_NOOP("Resources", "Cancel"), 176, 23, 54, 14, kPushButton},
        }};
}

// "Set Up Sync" and "Sync Settings": the server, the user and the
// password, Connect (the default), the address books found, a status line
// that says what happened; only "Sync Settings" has Stop Syncing.
DialogTemplate SyncSetupDialog(UINT nId, const char* pszCaption)
{
    DialogTemplate t{nId, DS_MODALFRAME | DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU, 0, 0, 0, 260, 190,
        pszCaption, DialogFont::kClassicName, DialogFont::kClassicPointSize,
        {
            {"STATIC", IDC_STATIC, DIALSTACK_TR_NOOP("Resources", "&Server address:"), 7, 9, 70, 8, kLabel},
            {"EDIT", IDC_SYNC_SERVER, "", 80, 7, 173, 14, kEntry},
            {"STATIC", IDC_STATIC, DIALSTACK_TR_NOOP("Resources", "&User name:"), 7, 27, 70, 8, kLabel},
            {"EDIT", IDC_SYNC_USER, "", 80, 25, 173, 14, kEntry},
            {"STATIC", IDC_STATIC, DIALSTACK_TR_NOOP("Resources", "&Password:"), 7, 45, 70, 8, kLabel},
            {"EDIT", IDC_SYNC_PASSWORD, "", 80, 43, 173, 14, kEntry | ES_PASSWORD},
            {"BUTTON", IDC_SYNC_CONNECT, DIALSTACK_TR_NOOP("Resources", "&Connect"), 80, 61, 60, 14, kDefPushButton},
            {"STATIC", IDC_STATIC, DIALSTACK_TR_NOOP("Resources", "&Address books:"), 7, 81, 100, 8, kLabel},
            {"LISTBOX", IDC_SYNC_BOOKS, "", 7, 91, 246, 40,
                kChild | WS_BORDER | WS_VSCROLL | WS_TABSTOP | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT},
            {"STATIC", IDC_SYNC_STATUS,
                DIALSTACK_TR_NOOP("Resources",
                    "Type the address of your CardDAV server (your provider's help names it), your user name and "
                    "your password, then press Connect."),
                7, 137, 246, 30, kChild | SS_LEFT | SS_NOPREFIX},
        }};
    if (nId == IDD_SYNC_SETTINGS)
        t.items.push_back(
            {"BUTTON", IDC_SYNC_STOP, DIALSTACK_TR_NOOP("Resources", "Stop S&yncing"), 7, 170, 70, 14, kPushButton});
    t.items.push_back({"BUTTON", IDCANCEL, DIALSTACK_TR_NOOP("Resources", "Close"), 193, 170, 60, 14, kPushButton});
    return t;
}

// The sync's password question: why it asks (set by the program), the
// password box, which hides what is typed, OK and Cancel.
DialogTemplate PasswordDialog()
{
    return {IDD_PASSWORD, DS_MODALFRAME | DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU, 0, 0, 0, 236, 76,
        DIALSTACK_TR_NOOP("Resources", "Sync Password"), DialogFont::kClassicName, DialogFont::kClassicPointSize,
        {
            {"STATIC", IDC_PASSWORD_PROMPT, DIALSTACK_TR_NOOP("Resources", "Password:"), 7, 7, 222, 32,
                kChild | SS_LEFT | SS_NOPREFIX},
            {"EDIT", IDC_PASSWORD, "", 7, 40, 222, 14, kEntry | ES_PASSWORD, 0,
                DIALSTACK_TR_NOOP("Resources", "Password")},
            {"BUTTON", IDOK, DIALSTACK_TR_NOOP("Resources", "OK"), 118, 58, 54, 14, kDefPushButton},
            {"BUTTON", IDCANCEL, DIALSTACK_TR_NOOP("Resources", "Cancel"), 175, 58, 54, 14, kPushButton},
        }};
}

}   // namespace

std::vector<DialogTemplate> ProgramDialogTemplates()
{
    return {
        AboutBox(),
        MainWindow(),
        EntryDialog(IDD_ADD_RECORD, DIALSTACK_TR_NOOP("Resources", "Add Record"), WS_SYSMENU),
        EntryDialog(IDD_EDIT_ITEM, DIALSTACK_TR_NOOP("Resources", "Edit Item"), 0),
        FindDialog(),
        SyncSetupDialog(IDD_SYNC_SETUP, DIALSTACK_TR_NOOP("Resources", "Set Up Sync")),
        SyncSetupDialog(IDD_SYNC_SETTINGS, DIALSTACK_TR_NOOP("Resources", "Sync Settings")),
        PasswordDialog(),
    };
}
