#pragma once

#include <string_view>
#include <vector>

#include "vcard/VCardLexer.h"

// What the parameters of a content line say, in every form address books
// write them: TYPE=cell,voice; TYPE=cell;TYPE=voice; TYPE="work,voice";
// vCard 2.1's bare CELL;PREF;QUOTED-PRINTABLE; PREF=1; any case.
struct CVCardParameters
{
    enum : unsigned
    {
        kCell = 1,
        kFax = 2,
        kPager = 4,
        kHome = 8,
        kWork = 16,
    };

    unsigned types = 0;
    bool bPreferred = false;
    bool bQuotedPrintable = false;
    bool bBinary = false;   // ENCODING=b or base64, VALUE=binary
    bool bUri = false;   // VALUE=uri
    std::string_view charset;

    static CVCardParameters Read(const std::vector<CVCardParameter>& parameters);
};
