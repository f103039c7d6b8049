#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "base/CString.h"

// Messages are written with "%1" to "%9" where their arguments go, so that
// a translation can put them where its word order wants them.
namespace Placeholders {

inline std::string_view ViewOf(std::string_view text)
{
    return text;
}

inline std::string_view ViewOf(const CString& text)
{
    return text.View();
}

// text with each "%N" replaced by the Nth argument, in one pass and byte
// for byte: a file name in the locale's bytes, or an argument that itself
// holds "%2", stays as it is. A "%N" without its argument stays as written.
template <class Argument>
std::string Fill(std::string_view text, const Argument* pArguments, size_t nArguments)
{
    std::string filled;
    filled.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const bool bPlaceholder = text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9';
        const size_t nArgument = bPlaceholder ? static_cast<size_t>(text[i + 1] - '1') : nArguments;
        if (nArgument < nArguments) {
            filled += ViewOf(pArguments[nArgument]);
            ++i;
        } else {
            filled += text[i];
        }
    }
    return filled;
}

template <class Argument>
std::string Fill(std::string_view text, std::initializer_list<Argument> arguments)
{
    return Fill(text, arguments.begin(), arguments.size());
}

template <class Argument>
std::string Fill(std::string_view text, const std::vector<Argument>& arguments)
{
    return Fill(text, arguments.data(), arguments.size());
}

}   // namespace Placeholders
