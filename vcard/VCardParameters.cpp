#include "vcard/VCardParameters.h"

#include <algorithm>

#include "vcard/AsciiText.h"

namespace {

unsigned TypeBit(std::string_view type)
{
    static const std::pair<std::string_view, unsigned> kBits[]
        = {{"cell", CVCardParameters::kCell}, {"fax", CVCardParameters::kFax}, {"pager", CVCardParameters::kPager},
            {"home", CVCardParameters::kHome}, {"work", CVCardParameters::kWork}};
    if (type.size() < 3 || type.size() > 5)
        return 0;   // "internet", "x-..." and the like have no bit
    for (const auto& [name, bit] : kBits)
        if (EqualsNoCase(type, name))
            return bit;
    return 0;
}

bool IsEncodingName(std::string_view name)
{
    for (const char* encoding : {"QUOTED-PRINTABLE", "BASE64", "B", "8BIT", "7BIT"})
        if (EqualsNoCase(name, encoding))
            return true;
    return false;
}

void ReadEncoding(std::string_view value, CVCardParameters& result)
{
    result.bQuotedPrintable = EqualsNoCase(value, "QUOTED-PRINTABLE");
    result.bBinary |= EqualsNoCase(value, "BASE64") || EqualsNoCase(value, "B");
}

void ReadTypes(std::string_view value, CVCardParameters& result)
{
    size_t nStart = 0;
    while (nStart <= value.size()) {
        const size_t nComma = std::min(value.find(',', nStart), value.size());
        const std::string_view type = Trimmed(value.substr(nStart, nComma - nStart));
        result.bPreferred |= EqualsNoCase(type, "pref");
        result.types |= TypeBit(type);
        nStart = nComma + 1;
    }
}

}   // namespace

CVCardParameters CVCardParameters::Read(const std::vector<CVCardParameter>& parameters)
{
    CVCardParameters result;
    for (const CVCardParameter& parameter : parameters) {
        const std::string_view key = parameter.name;
        const std::string_view value = parameter.value;
        if (key.empty() && IsEncodingName(value))
            ReadEncoding(value, result);
        else if (key.empty() || EqualsNoCase(key, "TYPE"))
            ReadTypes(value, result);
        else if (EqualsNoCase(key, "PREF"))
            result.bPreferred = true;
        else if (EqualsNoCase(key, "ENCODING"))
            ReadEncoding(value, result);
        else if (EqualsNoCase(key, "CHARSET"))
            result.charset = value;
        else if (EqualsNoCase(key, "VALUE")) {
            result.bUri = EqualsNoCase(value, "uri");
            result.bBinary |= EqualsNoCase(value, "binary");
        }
    }
    return result;
}
