#include "base/ReasonText.h"

#include <string>

namespace {

CReasonText::CLanguage& Language()
{
    static CReasonText::CLanguage language;
    return language;
}

}   // namespace

void CReasonText::Install(const CLanguage& language)
{
    Language() = language;
}

CString CReasonText::Tr(const char* pszEnglish, std::initializer_list<CString> arguments)
{
    const CString text = Language().pfnTranslate ? Language().pfnTranslate(pszEnglish) : CString(pszEnglish);
    const std::string_view view = text.View();
    std::string filled;
    for (size_t i = 0; i < view.size(); ++i) {
        const size_t nArgument = i + 1 < view.size() ? static_cast<size_t>(view[i + 1] - '1') : arguments.size();
        if (view[i] == '%' && nArgument < arguments.size()) {
            filled += arguments.begin()[nArgument].View();
            ++i;
        } else {
            filled += view[i];
        }
    }
    return CString(filled);
}

CString CReasonText::FromSystem(const CString& strBytes)
{
    return Language().pfnFromSystem ? Language().pfnFromSystem(strBytes) : strBytes;
}
