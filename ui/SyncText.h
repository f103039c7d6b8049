#pragma once

#include <string>
#include <string_view>

#include "base/CString.h"

// The sync speaks UTF-8 (its outcome, the password it reads); the window's
// text is in the code page of base/Windows1252Map.h.
namespace SyncText {

// Characters the code page cannot hold become '?'; bytes that are no UTF-8
// become '?' too.
CString FromUtf8(std::string_view utf8);
std::string ToUtf8(const CString& text);

}   // namespace SyncText
