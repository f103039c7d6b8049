#include "framework/Translation.h"

#include <QCoreApplication>

#include "framework/TextCodec.h"
#include "l10n/Translators.h"

namespace {

CString TranslateReason(const char* pszEnglish)
{
    return Translation::Text1252(pszEnglish, Translation::kReasons);
}

CString SystemTextIn1252(const CString& strBytes)
{
    const std::string_view bytes = strBytes.View();
    return TextCodec::FromQString(QString::fromLocal8Bit(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

}   // namespace

QString Translation::Text(const char* pszEnglish, const char* pszContext)
{
    if (!pszEnglish || !*pszEnglish)
        return QString();
    return QCoreApplication::translate(pszContext, pszEnglish);
}

CString Translation::Text1252(const char* pszEnglish, const char* pszContext)
{
    return TextCodec::FromQString(Text(pszEnglish, pszContext));
}

CString Translation::CountText1252(const char* pszEnglish, int nCount, const char* pszContext)
{
    return TextCodec::FromQString(
        QString::fromStdString(CTranslators::Counted(pszContext, pszEnglish, nullptr, nCount)));
}

void Translation::TranslateReasons()
{
    CReasonText::Install({&TranslateReason, &SystemTextIn1252});
}
