#include "framework/Accelerators.h"

#include <QKeySequence>
#include <QPointer>
#include <QShortcut>
#include <QWidget>

#include "framework/WidgetBinding.h"
#include "framework/Wnd.h"

void CAccelerators::Attach(CWnd* pWnd, std::initializer_list<Entry> entries)
{
    QWidget* window = pWnd ? pWnd->GetSafeHwnd() : nullptr;
    if (!window)
        return;
    for (const Entry& entry : entries) {
        auto* shortcut
            = new QShortcut(QKeySequence(QString::fromLatin1(entry.pszKeys), QKeySequence::PortableText), window);
        const UINT nId = entry.nCommandId;
        // The window's CWnd is looked up when the keys come: the one given
        // here may be gone by then.
        QObject::connect(shortcut, &QShortcut::activated, window, [window, nId] {
            if (CWnd* target = WidgetBinding::Wnd(window))
                target->SendMessage(WM_COMMAND, nId, 0);
        });
    }
}
