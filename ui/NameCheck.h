#pragma once

#include "framework/Dialog.h"

// The check both entry dialogs run on OK: reads the name box into strName,
// trims the copy and, when nothing is left, tells the user that a name is
// needed. TRUE when a name was given. The trimmed text only serves the
// test; the dialog's data exchange stores the box's text as typed.
BOOL CheckNameGiven(CDialog& dialog, CString& strName);
