#pragma once

// The program icon IDI_MAIN: a card file with a telephone handset, 32 x 32
// pixels in the classic 16-colour palette, as XPM lines.
const char* const* ProgramIconXpm();
