// Tells when the player switches to a screen from another window of the game.
#pragma once

#include <QObject>
#include <QPointer>
#include <QWindow>

#include <functional>

class QWidget;

// Watches the application's focus window for one screen. onReturn runs when
// the focus comes back to the screen after the player had left it for another
// window of the game while `busy` was false. Leaving for another program (no
// focus window) or for a screen that one of the screen's own handlers opened
// (busy) does not count: the window system reports such returns late, often
// after the handler has ended, so the departure decides, not the moment of
// the return.
class ReturnWatcher : public QObject {
public:
    ReturnWatcher(QWidget* screen, std::function<bool()> busy, std::function<void()> onReturn);

    // Forgets a departure: the screen was brought up to date anyway.
    void reset() { m_leftForOurWindow = false; }

private:
    void focusChanged(QWindow* now);

    QWidget* m_screen = nullptr;
    std::function<bool()> m_busy;
    std::function<void()> m_onReturn;
    QPointer<QWindow> m_lastFocus;
    bool m_leftForOurWindow = false;
};
