#pragma once

#include <map>

#include "base/Types.h"

// The strings of the window's sync: its menu items, the set-up dialog's
// messages and the questions a sync asks of the user (Windows-1252 bytes).
const std::map<UINT, const char*>& SyncStringTable();
