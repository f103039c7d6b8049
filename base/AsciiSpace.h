#pragma once

// White space as the C locale knows it (space, tab, line feed, vertical
// tab, form feed, carriage return), tested on the byte itself: unlike
// std::isspace it does not follow the user's locale, so no byte above 0x7F
// (0xA0, the no-break space of Windows-1252, among them) is ever white space.
inline bool IsAsciiSpace(char ch)
{
    return ch == ' ' || (ch >= '\t' && ch <= '\r');
}
