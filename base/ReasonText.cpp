#include "base/ReasonText.h"

#include "base/Placeholders.h"

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
    return CString(Placeholders::Fill(text.View(), arguments));
}

CString CReasonText::FromSystem(const CString& strBytes)
{
    return Language().pfnFromSystem ? Language().pfnFromSystem(strBytes) : strBytes;
}
