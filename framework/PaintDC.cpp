#include "framework/PaintDC.h"

#include <QPainter>

#include "framework/DialogWindow.h"
#include "framework/FrameworkIcon.h"
#include "framework/Wnd.h"

struct CPaintDC::Private
{
    std::unique_ptr<QPainter> painter;
};

CPaintDC::CPaintDC(CWnd* pWnd)
    : d(std::make_unique<Private>())
{
    // Painting is only possible inside the window's own paint event.
    QWidget* widget = pWnd ? pWnd->GetSafeHwnd() : nullptr;
    if (widget && widget == DialogWindow::PaintingWidget())
        d->painter = std::make_unique<QPainter>(widget);
}

CPaintDC::~CPaintDC() = default;

HDC CPaintDC::GetSafeHdc() const
{
    return reinterpret_cast<HDC>(d->painter.get());
}

BOOL CPaintDC::DrawIcon(int x, int y, HICON hIcon)
{
    if (!d->painter || !hIcon)
        return FALSE;
    d->painter->drawImage(QPoint(x, y), hIcon->image);
    return TRUE;
}
