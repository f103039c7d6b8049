#pragma once

#include <string>

#include "base/CString.h"

// The one place where a record's field crosses between the directory's
// Windows-1252 bytes and Unicode (UTF-8) text. Every byte 0x00-0xFF is one
// character; the five bytes Windows-1252 leaves undefined stand for U+0081,
// U+008D, U+008F, U+0090 and U+009D, so every field comes back byte for byte.
class CDirectoryText
{
public:
    static std::string ToUtf8(const CString& field);

    // Text for a field. What the directory cannot hold becomes '?' and is
    // counted in nReplaced: characters outside Windows-1252, control
    // characters other than tab (the field terminator among them), and the
    // yen sign, whose byte stands for a space in the file. A leading tab
    // becomes a space, since reading the file skips white space before a
    // field. Line breaks are the caller's to have removed.
    static CString FromUtf8(const std::string& text, int& nReplaced);
};
