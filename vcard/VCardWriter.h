#pragma once

#include <string>
#include <string_view>

#include "data/RecordFields.h"

// Writes records as vCard 4.0 (or 3.0): UTF-8, CRLF line ends, lines folded
// at 75 octets without splitting a character, text values escaped. Each
// record gives FN (its name), N, TEL;TYPE=voice (phone), TEL;TYPE=pager
// (pager), EMAIL and NOTE (misc); empty fields are left out, except FN,
// which every vCard must have, and in 3.0 N, which every 3.0 card must have.
// 3.0 spells the types in capitals and marks the e-mail as INTERNET, as
// 3.0 readers expect. A card given a UID (which a server needs) has it
// right after VERSION.
//
// N is the name split only where that is safe: "Family, Given" (one comma)
// gives the family and given names; any other name is the family name
// alone, since a directory holds "Corner Shop" as often as "Ann Lee".
class CVCardWriter
{
public:
    static void Write(const CRecordFields& record, std::string& out, int nVersion = 4, std::string_view uid = {});
};
