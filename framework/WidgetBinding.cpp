#include "framework/WidgetBinding.h"

#include <QSize>
#include <QVariant>
#include <QWidget>

namespace {

constexpr const char* kIdProperty = "dialstackControlId";
constexpr const char* kWndProperty = "dialstackWnd";
constexpr const char* kIconSizeProperty = "dialstackIconSize";

}   // namespace

void WidgetBinding::SetControlId(QWidget* pWidget, int nId)
{
    pWidget->setProperty(kIdProperty, nId);
}

int WidgetBinding::ControlId(const QWidget* pWidget)
{
    return pWidget ? pWidget->property(kIdProperty).toInt() : 0;
}

void WidgetBinding::SetWnd(QWidget* pWidget, CWnd* pWnd)
{
    pWidget->setProperty(kWndProperty, QVariant::fromValue(static_cast<void*>(pWnd)));
}

CWnd* WidgetBinding::Wnd(const QWidget* pWidget)
{
    return pWidget ? static_cast<CWnd*>(pWidget->property(kWndProperty).value<void*>()) : nullptr;
}

void WidgetBinding::SetIconSize(QWidget* pWidget, const QSize& size)
{
    pWidget->setProperty(kIconSizeProperty, size);
}

QSize WidgetBinding::IconSize(const QWidget* pWidget)
{
    return pWidget->property(kIconSizeProperty).toSize();
}

QWidget* WidgetBinding::FindControl(const QWidget* pParent, int nId)
{
    if (!pParent)
        return nullptr;
    const auto children = pParent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (QWidget* child : children) {
        if (child->property(kIdProperty).isValid() && ControlId(child) == nId)
            return child;
    }
    return nullptr;
}
