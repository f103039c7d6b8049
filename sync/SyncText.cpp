#include "sync/SyncText.h"

#include "base/Placeholders.h"
#include "shell/ToolText.h"

std::string CSyncText::Tr(const char* pszSource, std::initializer_list<std::string> arguments)
{
    return CToolText::Tr(kTrContext, pszSource, arguments);
}

std::string CSyncText::Tr(
    const char* pszSource, const char* pszComment, int nCount, std::initializer_list<std::string> arguments)
{
    return CToolText::Tr(kTrContext, pszSource, pszComment, nCount, arguments);
}
