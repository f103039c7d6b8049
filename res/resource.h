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
#define IDS_SYNC_MENU 104
#define IDS_LEAVE_QUESTION 105
#define IDS_LEAVE_SAVE 106
#define IDS_LEAVE_DISCARD 107
#define IDS_LEAVE_STAY 108
#define IDS_WRITER_AT_WORK 109
#define IDS_SYNC_SAVE_FIRST 110
#define IDS_SYNC_SAVE_AND_SYNC 111
#define IDS_CANCEL 112
#define IDS_SYNC_WAITING 113
#define IDS_SYNC_NOT_FOUND 114
#define IDS_SYNC_NOT_STARTED 115
#define IDS_SYNC_IN_STEP 116
#define IDS_SYNC_FAILED 117
#define IDS_SYNC_USAGE 118
#define IDS_SYNC_BUSY 119
#define IDS_SYNC_NEEDS_YOU 120
#define IDS_SYNC_CANCELLED 121
#define IDS_SYNC_CRASHED 122
#define IDS_FIND_ONLY_MATCH 123
#define IDS_FIND_NO_MATCH 124
#define IDS_NAME_REQUIRED 125
#define IDS_DETAIL_PHONE 140
#define IDS_DETAIL_PAGER 141
#define IDS_DETAIL_EMAIL 142
#define IDS_DETAIL_MISC 143
#define IDS_UNKNOWN_ERROR 144
#define IDS_SAVE_FAILED 145
#define IDS_SAVE_FAILED_FILE_UNCHANGED 146
#define IDS_SAVE_KEEPS_CHANGES 147
#define IDS_SAVE_STAYS_OPEN 148
#define IDS_SAVE_NOTHING_SYNCED 149
#define IDS_SAVED_WITH_WARNING 150
#define IDS_REPLACE_CHANGED_FILE 151
#define IDS_LOAD_INCOMPLETE 152
#define IDS_LOAD_FAILED 153
#define IDS_RECORDS_SHOWN_ONE 154
#define IDS_RECORDS_SHOWN_MANY 155
#define IDS_PRINT_FAILED 156

// Icons.
#define IDI_MAIN 130

// System-menu commands (the low four bits are the system's own).
#define IDM_ABOUT 0x0010
#define IDM_FIND 0x0020
#define IDM_SYNC 0x0030

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
