// A pause that paints and throws away the player's input.
#include "screens/Pause.h"

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QObject>
#include <QTimer>

namespace {

// Swallows what the player does with mouse, keyboard, wheel, pen or touch.
class InputDiscarder : public QObject {
protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::ShortcutOverride:
            // Taken by the focus widget: the key is not tried as an accelerator.
            event->accept();
            return true;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::NonClientAreaMouseButtonPress:
        case QEvent::NonClientAreaMouseButtonRelease:
        case QEvent::NonClientAreaMouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::Shortcut:
        case QEvent::Wheel:
        case QEvent::ContextMenu:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
        case QEvent::TabletPress:
        case QEvent::TabletRelease:
            return true;
        default:
            return false;
        }
    }
};

} // namespace

void pauseDiscardingInput(int milliseconds)
{
    QCoreApplication* app = QCoreApplication::instance();
    if (!app)
        return;
    InputDiscarder discarder;
    app->installEventFilter(&discarder);
    // quit() ends every running event loop, this one too.
    QEventLoop wait;
    QTimer::singleShot(milliseconds, &wait, &QEventLoop::quit);
    wait.exec();
    // Input that reached the program only as the pause ended goes the same way.
    QCoreApplication::processEvents();
    app->removeEventFilter(&discarder);
}
