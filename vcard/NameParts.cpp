#include "vcard/NameParts.h"

#include <string>
#include <vector>

#include "vcard/AsciiText.h"

namespace {

// Whether lowerText holds lowerPart, in time linear in both (Knuth, Morris
// and Pratt): a file may hold names and parts of any length.
bool Holds(std::string_view lowerText, std::string_view lowerPart, std::vector<size_t>& border)
{
    border.assign(lowerPart.size() + 1, 0);
    for (size_t i = 1, k = 0; i < lowerPart.size(); ++i) {
        while (k > 0 && lowerPart[i] != lowerPart[k])
            k = border[k];
        if (lowerPart[i] == lowerPart[k])
            ++k;
        border[i + 1] = k;
    }
    for (size_t i = 0, k = 0; i < lowerText.size(); ++i) {
        while (k > 0 && lowerText[i] != lowerPart[k])
            k = border[k];
        if (lowerText[i] == lowerPart[k] && ++k == lowerPart.size())
            return true;
    }
    return false;
}

// Up to this much work a plain search costs less than building Holds's
// table, and most names are short.
constexpr size_t kShortSearch = 4096;

void AssignLower(std::string_view text, std::string& lower)
{
    lower.assign(text);
    for (char& ch : lower)
        ch = LowerAscii(ch);
}

}   // namespace

bool NameHoldsEveryPart(std::string_view name, std::string_view parts)
{
    // Kept from call to call for their room: one call per contact.
    thread_local std::string lowerName, lowerPart;
    thread_local std::vector<size_t> border;
    AssignLower(name, lowerName);
    // Many parts against a long name would cost their product: past this
    // much work the parts are kept in misc instead of compared.
    constexpr size_t kMostWork = 16 * 1024 * 1024;
    size_t nWork = 0;
    size_t nStart = 0;
    while (nStart <= parts.size()) {
        size_t nEnd = nStart;
        while (nEnd < parts.size() && parts[nEnd] != ';' && parts[nEnd] != ',')
            ++nEnd;
        const std::string_view part = Trimmed(parts.substr(nStart, nEnd - nStart));
        if (part.empty()) {
            nStart = nEnd + 1;
            continue;
        }
        nWork += lowerName.size() + part.size();
        if (nWork > kMostWork)
            return false;
        AssignLower(part, lowerPart);
        const bool bShort = lowerName.size() * lowerPart.size() <= kShortSearch;
        if (bShort ? lowerName.find(lowerPart) == std::string::npos : !Holds(lowerName, lowerPart, border))
            return false;
        nStart = nEnd + 1;
    }
    return true;
}
