#pragma once

#include <initializer_list>
#include <string>

// The command-line tools' messages in the user's language, as UTF-8. The
// English text in the source is the key of its translation and what is
// printed when no translation is installed. The programs' own helpers
// (ConvertText, CSyncText) name the context; lupdate reads their calls, not
// these.
class CToolText
{
public:
    // pszSource translated in pszContext.
    static std::string Tr(const char* pszContext, const char* pszSource);
    // The same with "%1", "%2", ... replaced by the arguments in order.
    static std::string Tr(
        const char* pszContext, const char* pszSource, std::initializer_list<std::string> arguments);
    // A count: the catalogue's form of pszSource for nCount ("%n" replaced
    // by it), English's too (from the English catalogue), then the
    // arguments filled in.
    static std::string Tr(const char* pszContext, const char* pszSource, const char* pszComment, int nCount,
        std::initializer_list<std::string> arguments = {});
    // Makes the lower layers' reasons (base/ReasonText.h) come translated,
    // in UTF-8 like every other message of the tools; file names and the
    // system's texts in them stay byte for byte as the system gave them.
    static void TranslateReasons();
};
