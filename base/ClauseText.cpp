#include "base/ClauseText.h"

#include <string>

namespace {

bool IsCapital(char ch)
{
    return ch >= 'A' && ch <= 'Z';
}

}   // namespace

CString AsClause(const char* pszSentence)
{
    std::string text = pszSentence ? pszSentence : "";
    if (!text.empty() && text.back() == '.')
        text.pop_back();
    if (!text.empty() && IsCapital(text[0]) && !(text.size() > 1 && IsCapital(text[1])))
        text[0] = static_cast<char>(text[0] - 'A' + 'a');
    return CString(text);
}
