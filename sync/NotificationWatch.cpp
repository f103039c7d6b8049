#include "sync/NotificationWatch.h"

#include <QTimer>

CNotificationWatch::CNotificationWatch(QDBusConnection bus)
    : m_bus(std::move(bus))
{
    Listen(true);
}

CNotificationWatch::~CNotificationWatch()
{
    Listen(false);
}

void CNotificationWatch::Listen(bool bOn)
{
    const QString service = QLatin1String(kService);
    const QString path = QLatin1String(kPath);
    const auto link = [&](const char* pszSignal, const char* pszSlot) {
        if (bOn)
            m_bus.connect(service, path, service, QLatin1String(pszSignal), this, pszSlot);
        else
            m_bus.disconnect(service, path, service, QLatin1String(pszSignal), this, pszSlot);
    };
    link("ActionInvoked", SLOT(OnAction(uint, QString)));
    link("NotificationClosed", SLOT(OnClosed(uint, uint)));
}

bool CNotificationWatch::WaitForAction(uint nId, int nSeconds)
{
    // The signals are dispatched from the loop, so none for nId is missed.
    m_nId = nId;
    QTimer::singleShot(nSeconds * 1000, &m_loop, &QEventLoop::quit);
    m_loop.exec();
    return m_bAction;
}

void CNotificationWatch::OnAction(uint nId, const QString&)
{
    if (nId == m_nId)
        Answer(true);
}

void CNotificationWatch::OnClosed(uint nId, uint)
{
    if (nId == m_nId)
        Answer(false);
}

void CNotificationWatch::Answer(bool bAction)
{
    if (m_bAnswered)
        return;
    m_bAnswered = true;
    m_bAction = bAction;
    m_loop.quit();
}
