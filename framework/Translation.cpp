#include "framework/Translation.h"

#include <QCoreApplication>

#include "base/ReasonText.h"
#include "framework/TextCodec.h"

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
    const QString english = TextCodec::ToQString(pszEnglish);
    if (english.isEmpty())
        return english;
    return QCoreApplication::translate(pszContext, english.toUtf8().constData());
}

CString Translation::Text1252(const char* pszEnglish, const char* pszContext)
{
    return TextCodec::FromQString(Text(pszEnglish, pszContext));
}

CString Translation::CountText1252(const char* pszEnglish, int nCount, const char* pszContext)
{
    const QString english = TextCodec::ToQString(pszEnglish);
    return TextCodec::FromQString(
        QCoreApplication::translate(pszContext, english.toUtf8().constData(), nullptr, nCount));
}

void Translation::TranslateReasons()
{
    CReasonText::Install({&TranslateReason, &SystemTextIn1252});
}
