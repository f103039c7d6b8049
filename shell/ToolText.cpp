#include "shell/ToolText.h"

#include <QCoreApplication>
#include <QString>

#include "base/Placeholders.h"
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
    return Placeholders::Fill(Tr(pszContext, pszSource), arguments);
}

std::string CToolText::Counted(const char* pszContext, const char* pszOne, const char* pszMany, int nCount)
{
    return QCoreApplication::translate(pszContext, nCount == 1 ? pszOne : pszMany, nullptr, nCount).toStdString();
}

void CToolText::TranslateReasons()
{
    CReasonText::Install({&TranslateReason, nullptr});
}
