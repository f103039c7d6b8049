#pragma once

#include <string>

// The listing's text in UTF-8, for printers whose text filter reads nothing
// else. Every byte of Windows-1252 becomes its character; the five bytes the
// code page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) become U+FFFD, so
// the printout shows that something stood there.
std::string Windows1252ToUtf8(const std::string& text);
