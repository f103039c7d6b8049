#pragma once

#include "base/CString.h"

// A sentence from the system or a library ("No such file or directory",
// "Printer not found.") as a clause for the caller's own sentence: its
// final full stop dropped and its first letter made small, unless the first
// word is an abbreviation ("IPP", "HTTP"). A null text gives an empty one.
CString AsClause(const char* pszSentence);
