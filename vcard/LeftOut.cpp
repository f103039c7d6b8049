#include "vcard/LeftOut.h"

std::string CLeftOut::English() const
{
    // One pass, so that a part holding "%2" stays as it is.
    std::string filled;
    for (const char* p = pszText; *p; ++p) {
        const size_t nPart = p[0] == '%' && p[1] >= '1' && p[1] <= '9' ? static_cast<size_t>(p[1] - '1') : parts.size();
        if (nPart < parts.size()) {
            filled += parts[nPart];
            ++p;
        } else {
            filled += *p;
        }
    }
    return filled;
}
