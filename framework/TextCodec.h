#pragma once

#include <QString>

#include "base/CString.h"

// The one place where text crosses between the program's CString bytes
// (Windows-1252) and Qt's Unicode strings. Each of the 256 byte values is
// one character and comes back as the same byte: the five bytes the code
// page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) stand for the C1
// control characters of the same value, as Windows maps them, and control
// bytes, the zero byte included, stand for their own code points.
class TextCodec
{
public:
    static QString ToQString(const CString& text);
    static QString ToQString(const char* psz);
    // Characters Windows-1252 cannot hold become '?'; edit boxes never let
    // such characters in.
    static CString FromQString(const QString& text);
    // Whether Windows-1252 has a byte for the code point ch.
    static bool CanHold(char32_t ch);
};
