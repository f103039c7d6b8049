#pragma once

#include <initializer_list>
#include <string>

// The command-line tools' messages in the user's language. The English
// text in the source is the key of its translation and what is printed when
// no translation is installed, so English output is the source text itself.
class CToolText
{
public:
    // pszSource translated in pszContext ("dialstack-convert"), as UTF-8.
    static std::string Tr(const char* pszContext, const char* pszSource);
    // The same with "%1", "%2", ... replaced by the arguments in order.
    static std::string Tr(
        const char* pszContext, const char* pszSource, std::initializer_list<std::string> arguments);
    // A count with the plural form of the user's language. English has the
    // two forms given ("%n record added", "%n records added"): the one the
    // count takes is the key of every language's forms.
    static std::string Counted(const char* pszContext, const char* pszOne, const char* pszMany, int nCount);
    // Makes the lower layers' reasons (base/ReasonText.h) come translated,
    // in UTF-8 like every other message of the tools; file names and the
    // system's texts in them stay byte for byte as the system gave them.
    static void TranslateReasons();
};
