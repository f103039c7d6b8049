#pragma once

#include <string>
#include <string_view>

#include "base/CString.h"

// The one place where a record's field crosses between the directory's
// Windows-1252 bytes and Unicode (UTF-8) text. Every byte 0x00-0xFF is one
// character; the five bytes Windows-1252 leaves undefined stand for U+0081,
// U+008D, U+008F, U+0090 and U+009D, so every field comes back byte for byte.
class CDirectoryText
{
public:
    static std::string ToUtf8(const CString& field);
    static void AppendUtf8(std::string_view field, std::string& out);

    // Text for a field, holding only what reading the directory file gives
    // back. What it cannot hold becomes '?' and is counted in nReplaced:
    // characters outside Windows-1252, bytes that are not UTF-8, control
    // characters (the field terminator among them), and the yen sign, whose
    // byte stands for a space in the file. A tab becomes a space, as in the
    // entry boxes, since reading the file drops white space other than
    // spaces. Line breaks are the caller's to have removed.
    static CString FromUtf8(std::string_view text, int& nReplaced);
};
