#pragma once

#include <string>

// Windows-1252, the code page of the directory's text: each of the 256 byte
// values stands for one character and comes back as the same byte. It
// differs from Latin-1 only in 0x80..0x9F; the five bytes it leaves
// undefined there (0x81, 0x8D, 0x8F, 0x90, 0x9D) stand for the control
// characters of the same value, as Windows maps them, and control bytes,
// the zero byte included, stand for their own code points. The table is
// kept here, once, so that the window layer and the converter map a field
// the same way, whatever character sets the toolkit was built with.
class CWindows1252Map
{
public:
    static char16_t ToUnicode(unsigned char byte);
    // The byte for the code point ch, or -1 when the code page has none.
    static int FromUnicode(char32_t ch);
    // Appends ch, a character of the code page (or any of the Basic
    // Multilingual Plane), to utf8 in UTF-8.
    static void AppendUtf8(std::string& utf8, char16_t ch);
};
