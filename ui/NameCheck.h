#pragma once

#include "framework/Dialog.h"

// The check both entry dialogs run on OK: TRUE when the dialog's name box
// holds more than white space; otherwise tells the user that a name is
// needed and answers FALSE. Only a copy of the box's text is trimmed: the
// dialog's data exchange stores the name as typed.
BOOL NameGivenOrTellUser(CDialog& dialog);
