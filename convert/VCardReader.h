#pragma once

#include <string>
#include <vector>

#include "convert/Contact.h"

// Reads vCards 2.1, 3.0 and 4.0 as address books write them: folded lines,
// property groups, parameters in every form (TYPE=cell,voice;
// TYPE=cell;TYPE=voice; bare CELL;PREF; quoted; any case), quoted-printable
// values with soft line breaks, CHARSET=, binary values (skipped), tel: URIs,
// LF or CRLF line ends and a UTF-8 byte-order mark.
//
// Each vCard becomes one contact: the name from FN, else from N, else from
// ORG; the pager from the first TEL typed pager; the phone from the
// preferred other TEL, else the first; the preferred EMAIL, else the first;
// the first NOTE. Other numbers and addresses, the organisation, title,
// role, web address, birthday, nickname, chat address and categories move to
// misc; anything else that carries data is named as left out.
class CVCardReader
{
public:
    // FALSE, with the reason in strError, when the bytes hold no vCard at all.
    static bool Read(const std::string& bytes, std::vector<CContact>& contacts, std::string& strError);
};
