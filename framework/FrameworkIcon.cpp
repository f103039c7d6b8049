#include "framework/FrameworkIcon.h"

#include <map>

#include "framework/ResourceProvider.h"
#include "framework/WinApp.h"

FrameworkIcon* FrameworkIcon::Load(unsigned int nId)
{
    // Never freed: icon handles stay valid to the end of the process.
    static auto* cache = new std::map<unsigned int, FrameworkIcon*>;
    auto it = cache->find(nId);
    if (it != cache->end())
        return it->second;
    const char* const* xpm = AfxGetResources().FindIcon(nId);
    if (!xpm)
        return nullptr;
    auto* icon = new FrameworkIcon{QImage(xpm)};
    cache->emplace(nId, icon);
    return icon;
}
