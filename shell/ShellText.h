#pragma once

#include <initializer_list>
#include <string>

#include "base/TextMarkers.h"
#include "shell/ToolText.h"

// The texts both tools share, from their common shell, in the user's
// language: one context for the two programs.
class CShellText
{
public:
    DIALSTACK_TR_CONTEXT(DialstackTools)

    // pszSource translated, with "%1", "%2", ... filled in with the arguments.
    static std::string Tr(const char* pszSource, std::initializer_list<std::string> arguments = {})
    {
        return CToolText::Tr(kTrContext, pszSource, arguments);
    }
};
