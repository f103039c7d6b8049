#include "framework/Translation.h"

#include <QCoreApplication>

#include "framework/TextCodec.h"

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
