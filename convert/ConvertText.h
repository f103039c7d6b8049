#pragma once

#include <initializer_list>
#include <string>

#include "shell/ToolText.h"

// dialstack-convert's own texts in the user's language: CToolText in the
// program's context, where its catalogue keeps them.
namespace ConvertText {

constexpr char kContext[] = "dialstack-convert";

// pszSource translated, with "%1", "%2", ... filled in with the arguments.
inline std::string Tr(const char* pszSource, std::initializer_list<std::string> arguments = {})
{
    return CToolText::Tr(kContext, pszSource, arguments);
}

// A count in the plural form of the user's language (see CToolText::Counted).
inline std::string Counted(const char* pszOne, const char* pszMany, int nCount)
{
    return CToolText::Counted(kContext, pszOne, pszMany, nCount);
}

}   // namespace ConvertText
