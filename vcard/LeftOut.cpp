#include "vcard/LeftOut.h"

#include "base/Placeholders.h"

std::string CLeftOut::English() const
{
    return Placeholders::Fill(pszText, parts);
}
