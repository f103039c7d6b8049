#include "convert/NameParts.h"

#include <algorithm>
#include <string_view>

#include "convert/AsciiText.h"

bool NameHoldsEveryPart(const std::string& name, const std::vector<std::string>& parts)
{
    constexpr size_t kLongest = 1024;
    const std::string lowerName = Lower(name);
    for (const std::string& part : parts) {
        size_t nStart = 0;
        while (nStart <= part.size()) {
            const size_t nComma = std::min(part.find(',', nStart), part.size());
            const std::string_view value = Trimmed(std::string_view(part).substr(nStart, nComma - nStart));
            if (!value.empty()
                && (lowerName.size() > kLongest || value.size() > kLongest
                    || lowerName.find(Lower(value)) == std::string::npos))
                return false;
            nStart = nComma + 1;
        }
    }
    return true;
}
