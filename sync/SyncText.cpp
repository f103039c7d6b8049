#include "sync/SyncText.h"

#include "convert/ToolText.h"

namespace {

const char* const kContext = "dialstack-sync";

// "%1" ... "%9" in text replaced by the arguments in one pass, byte for
// byte: a file name in the locale's bytes, or an argument that itself
// holds "%2", stays as it is.
std::string Filled(const std::string& text, std::initializer_list<std::string> arguments)
{
    std::string filled;
    for (size_t i = 0; i < text.size(); ++i) {
        const size_t nArgument = i + 1 < text.size() ? static_cast<size_t>(text[i + 1] - '1') : arguments.size();
        if (text[i] == '%' && nArgument < arguments.size()) {
            filled += arguments.begin()[nArgument];
            ++i;
        } else {
            filled += text[i];
        }
    }
    return filled;
}

}   // namespace

std::string CSyncText::Tr(const char* pszSource, std::initializer_list<std::string> arguments)
{
    return CToolText::Tr(kContext, pszSource, arguments);
}

std::string CSyncText::Counted(
    const char* pszOne, const char* pszMany, int nCount, std::initializer_list<std::string> arguments)
{
    return Filled(CToolText::Counted(kContext, pszOne, pszMany, nCount), arguments);
}
