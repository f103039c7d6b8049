#pragma once

#include <string>
#include <vector>

#include "base/TextMarkers.h"

// Something read from a contact file but not kept (a photo, a property or
// column of no use in a directory, a line that is no property), named for
// the import's report. The text is English with %1, %2, ... standing for the
// parts taken from the file, so that the report can say it in the user's
// language and put the parts where that language wants them: each text is
// written DIALSTACK_TR_NOOP("DialstackConvert", ...) where it is given, so
// that the converter's catalogue holds it, but for "%1 = %2" (a property or
// column and its value), which every language writes alike.
struct CLeftOut
{
    const char* pszText;   // "%1 (binary data, %2 bytes)"
    std::vector<std::string> parts;

    // The text with its parts filled in, as English says it.
    std::string English() const;
};
