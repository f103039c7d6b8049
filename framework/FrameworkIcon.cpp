#include "framework/FrameworkIcon.h"

#include <map>

#include "framework/ResourceProvider.h"
#include "framework/WinApp.h"

namespace {

// The images the resources hold at other sizes; the icon's own image where
// they hold none, or none that can be read.
QIcon IconOfAllSizes(unsigned int nId, const QImage& image)
{
    QIcon icon;
    for (std::string_view file : AfxGetResources().FindIconImages(nId)) {
        QImage sized;
        if (sized.loadFromData(reinterpret_cast<const uchar*>(file.data()), static_cast<int>(file.size())))
            icon.addPixmap(QPixmap::fromImage(sized));
    }
    if (icon.isNull())
        icon.addPixmap(QPixmap::fromImage(image));
    return icon;
}

}   // namespace

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
    const QImage image(xpm);
    auto* icon = new FrameworkIcon{image, IconOfAllSizes(nId, image)};
    cache->emplace(nId, icon);
    return icon;
}
