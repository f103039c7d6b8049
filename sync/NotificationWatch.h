#pragma once

#include <QDBusConnection>
#include <QEventLoop>
#include <QObject>
#include <QString>

// Waits for the user's answer to one desktop notification: one of its
// actions, or its closing, or the end of the watch. It listens from the
// moment it is made, so that it is made before the notification is shown.
class CNotificationWatch : public QObject
{
    Q_OBJECT
public:
    static constexpr const char* kService = "org.freedesktop.Notifications";
    static constexpr const char* kPath = "/org/freedesktop/Notifications";

    explicit CNotificationWatch(QDBusConnection bus);
    ~CNotificationWatch() override;

    // TRUE when the user invoked an action of notification nId before it
    // was closed and before nSeconds passed.
    bool WaitForAction(uint nId, int nSeconds);
    // Whether the notification was acted on or closed (FALSE: the watch ended).
    bool Answered() const { return m_bAnswered; }

private Q_SLOTS:
    void OnAction(uint nId, const QString& strKey);
    void OnClosed(uint nId, uint nReason);

private:
    void Answer(bool bAction);
    void Listen(bool bOn);

    QDBusConnection m_bus;
    QEventLoop m_loop;
    uint m_nId = 0;
    bool m_bAnswered = false;
    bool m_bAction = false;
};
