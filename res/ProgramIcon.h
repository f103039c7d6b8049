#pragma once

#include <string_view>
#include <vector>

// The program icon IDI_MAIN: a card file with a telephone handset, 32 x 32
// pixels in the classic 16-colour palette, as XPM lines.
const char* const* ProgramIconXpm();

// The same icon as PNG files at 16, 22, 24, 32, 48, 64, 128 and 256 pixels,
// rendered at build time from ProgramIcon.svg, for sharp window icons.
std::vector<std::string_view> ProgramIconPngs();
