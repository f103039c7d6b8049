#include "convert/NameParts.h"

#include "convert/AsciiText.h"

bool NameHoldsEveryPart(std::string_view name, std::string_view parts)
{
    constexpr size_t kLongest = 1024;
    size_t nStart = 0;
    while (nStart <= parts.size()) {
        size_t nEnd = nStart;
        while (nEnd < parts.size() && parts[nEnd] != ';' && parts[nEnd] != ',')
            ++nEnd;
        const std::string_view part = Trimmed(parts.substr(nStart, nEnd - nStart));
        if (!part.empty() && (name.size() > kLongest || part.size() > kLongest || !ContainsNoCase(name, part)))
            return false;
        nStart = nEnd + 1;
    }
    return true;
}
