#pragma once

#include <string>
#include <string_view>

// Every piece of text the tools print that came from a file or a server (names,
// values, labels, lines it could not read) goes through Printable, so that
// no file can send the terminal a control sequence: control characters
// (C0, DEL, C1), the characters that reorder text on screen and bytes that
// are not UTF-8 are shown as escapes ("\x1B", "\u202E"). Text longer than
// nMaxBytes is cut there (never inside a character) and the cut is said.
std::string Printable(std::string_view utf8, size_t nMaxBytes = 240);
