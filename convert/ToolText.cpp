#include "convert/ToolText.h"

#include <QCoreApplication>
#include <QString>

#include "base/ReasonText.h"

namespace {

CString TranslateReason(const char* pszEnglish)
{
    return CString(CToolText::Tr("Reasons", pszEnglish));
}

}   // namespace

std::string CToolText::Tr(const char* pszContext, const char* pszSource)
{
    return QCoreApplication::translate(pszContext, pszSource).toStdString();
}

std::string CToolText::Tr(
    const char* pszContext, const char* pszSource, std::initializer_list<std::string> arguments)
{
    // Filled in byte for byte in one pass: a file name in the locale's
    // bytes, or an argument that itself holds "%2", stays as it is.
    const std::string text = Tr(pszContext, pszSource);
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

std::string CToolText::Counted(const char* pszContext, const char* pszOne, const char* pszMany, int nCount)
{
    return QCoreApplication::translate(pszContext, nCount == 1 ? pszOne : pszMany, nullptr, nCount).toStdString();
}

void CToolText::TranslateReasons()
{
    CReasonText::Install({&TranslateReason, nullptr});
}
