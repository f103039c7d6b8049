#pragma once

// Resource and control ids of Dialstack. The numbers are fixed: the dialog
// templates, the string table and the program's code all refer to them.

// Dialog templates.
#define IDD_ABOUT_BOX 100
#define IDD_MAIN 102
#define IDD_ADD_RECORD 129
#define IDD_EDIT_ITEM 131
#define IDD_FIND 132

// Strings.
#define IDS_ABOUT_MENU 101
#define IDS_FIND_MENU 103

// Icons.
#define IDI_MAIN 130

// System-menu commands (the low four bits are the system's own).
#define IDM_ABOUT 0x0010
#define IDM_FIND 0x0020

// Commands of the main window's keys: Ctrl+F finds, F3 finds the next match.
#define ID_EDIT_FIND 0xE123
#define ID_EDIT_REPEAT 0xE128

// Controls. IDC_STATIC marks controls that no code addresses.
#define IDC_STATIC (-1)
#define IDC_NAME_LIST 1000
#define IDC_MISC_LABEL 1001
#define IDC_PHONE 1002
#define IDC_MISC 1003
#define IDC_PAGER 1004
#define IDC_EMAIL 1005
#define IDC_ADD_NAME 1006
#define IDC_DELETE_NAME 1007
#define IDC_NAME 1012
#define IDC_DETAIL_LIST 1014
#define IDC_SAVE_NOW 1015
#define IDC_SAVE_QUIT 1016
#define IDC_UNDO 1017
#define IDC_EDIT_NAME 1018
#define IDC_FOCUS_ID 1019
#define IDC_PRINT 1020
#define IDC_FIND_TEXT 1021
