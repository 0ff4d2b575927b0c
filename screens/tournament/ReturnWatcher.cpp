// Following the focus between the game's windows for one screen.
#include "screens/tournament/ReturnWatcher.h"

#include <QGuiApplication>
#include <QWidget>

ReturnWatcher::ReturnWatcher(QWidget* screen, std::function<bool()> busy, std::function<void()> onReturn)
    : QObject(screen), m_screen(screen), m_busy(std::move(busy)), m_onReturn(std::move(onReturn))
{
    connect(qGuiApp, &QGuiApplication::focusWindowChanged, this, &ReturnWatcher::focusChanged);
}

void ReturnWatcher::focusChanged(QWindow* now)
{
    QWindow* mine = m_screen->windowHandle();
    const QPointer<QWindow> previous = m_lastFocus;
    m_lastFocus = now;
    if (!mine || previous == now)
        return;
    if (previous == mine) {
        m_leftForOurWindow = now && !m_busy();
        return;
    }
    if (now != mine)
        return;
    const bool cameBack = m_leftForOurWindow && previous;
    m_leftForOurWindow = false;
    if (cameBack && !m_busy())
        m_onReturn();
}
