#pragma once

class QSize;
class QWidget;
class CWnd;

// What the framework remembers on a Qt widget: the control id it was given
// by its template, the CWnd attached to it, and the size of the icon an
// icon static shows.
class WidgetBinding
{
public:
    static void SetControlId(QWidget* pWidget, int nId);
    // The control id, or 0 for a widget not made from a template control.
    static int ControlId(const QWidget* pWidget);

    static void SetWnd(QWidget* pWidget, CWnd* pWnd);
    static CWnd* Wnd(const QWidget* pWidget);

    static void SetIconSize(QWidget* pWidget, const QSize& size);
    // The icon's size, invalid for a widget that shows no icon.
    static QSize IconSize(const QWidget* pWidget);

    // The direct child of pParent with control id nId, or nullptr.
    static QWidget* FindControl(const QWidget* pParent, int nId);
};
