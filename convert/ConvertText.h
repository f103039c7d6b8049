#pragma once

#include <initializer_list>
#include <string>

#include "base/TextMarkers.h"
#include "shell/ToolText.h"

// dialstack-convert's own texts in the user's language: CToolText in the
// program's context, where its catalogue keeps them.
namespace ConvertText {

DIALSTACK_TR_CONTEXT(DialstackConvert)

// pszSource translated, with "%1", "%2", ... filled in with the arguments.
inline std::string Tr(const char* pszSource, std::initializer_list<std::string> arguments = {})
{
    return CToolText::Tr(kTrContext, pszSource, arguments);
}

// A count: Tr("%n record added", nullptr, nCount), in the plural form of the
// user's language (English's forms are in the English catalogue).
inline std::string Tr(
    const char* pszSource, const char* pszComment, int nCount, std::initializer_list<std::string> arguments = {})
{
    return CToolText::Tr(kTrContext, pszSource, pszComment, nCount, arguments);
}

}   // namespace ConvertText
