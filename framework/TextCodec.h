#pragma once

#include <QString>

#include "base/CString.h"

// The one place where text crosses between the program's CString bytes
// (Windows-1252, see base/Windows1252Map.h) and Qt's Unicode strings. Each of
// the 256 byte values is one character and comes back as the same byte.
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
