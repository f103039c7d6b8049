#pragma once

#include <initializer_list>

#include "base/CString.h"
#include "base/Types.h"

// The string nID of the program's string table with %1, %2, ... replaced by
// the arguments in order; a marker without an argument stays as written.
CString LoadText(UINT nID, std::initializer_list<CString> arguments = {});
