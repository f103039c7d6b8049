#include "sync/SyncText.h"

#include "base/Placeholders.h"
#include "shell/ToolText.h"

namespace {

const char* const kContext = "dialstack-sync";

}   // namespace

std::string CSyncText::Tr(const char* pszSource, std::initializer_list<std::string> arguments)
{
    return CToolText::Tr(kContext, pszSource, arguments);
}

std::string CSyncText::Counted(
    const char* pszOne, const char* pszMany, int nCount, std::initializer_list<std::string> arguments)
{
    return Placeholders::Fill(CToolText::Counted(kContext, pszOne, pszMany, nCount), arguments);
}
