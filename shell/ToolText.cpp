#include "shell/ToolText.h"

#include <QCoreApplication>
#include <QString>

#include "base/Placeholders.h"
#include "base/ReasonText.h"
#include "l10n/Translators.h"

namespace {

CString TranslateReason(const char* pszEnglish)
{
    return CString(CToolText::Tr(CReasonText::kTrContext, pszEnglish));
}

}   // namespace

std::string CToolText::Tr(const char* pszContext, const char* pszSource)
{
    return QCoreApplication::translate(pszContext, pszSource).toStdString();
}

std::string CToolText::Tr(
    const char* pszContext, const char* pszSource, std::initializer_list<std::string> arguments)
{
    return Placeholders::Fill(Tr(pszContext, pszSource), arguments);
}

std::string CToolText::Tr(const char* pszContext, const char* pszSource, const char* pszComment, int nCount,
    std::initializer_list<std::string> arguments)
{
    return Placeholders::Fill(CTranslators::Counted(pszContext, pszSource, pszComment, nCount), arguments);
}

void CToolText::TranslateReasons()
{
    CReasonText::Install({&TranslateReason, nullptr});
}
