#include "vcard/CardKind.h"

#include "vcard/AsciiText.h"

ECardKind CardKindOf(std::string_view name, std::string_view value)
{
    if (name.size() != 4 && name.size() != 24)
        return ECardKind::kContact;   // most properties: neither name's length
    const bool bKind = EqualsNoCase(name, "KIND");
    if (!bKind && !EqualsNoCase(name, "X-ADDRESSBOOKSERVER-KIND"))
        return ECardKind::kContact;
    value = Trimmed(value);
    if (EqualsNoCase(value, "group"))
        return ECardKind::kGroup;
    if (bKind && EqualsNoCase(value, "location"))
        return ECardKind::kLocation;
    return ECardKind::kContact;
}
