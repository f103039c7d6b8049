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

CString Translation::CountText1252(const char* pszEnglish, int nCount, const char* pszContext, const char* pszMany)
{
    QString counted = QString::fromStdString(CTranslators::Counted(pszContext, pszEnglish, nullptr, nCount));
    // No catalogue holds it: the key comes back with only its "%n" filled in.
    const QString number = QString::number(nCount);
    if (nCount != 1 && pszMany && counted == QString::fromUtf8(pszEnglish).replace(QLatin1String("%n"), number))
        counted = QString::fromUtf8(pszMany).replace(QLatin1String("%n"), number);
    return TextCodec::FromQString(counted);
}

void Translation::TranslateReasons()
{
    CReasonText::Install({&TranslateReason, &SystemTextIn1252});
}
