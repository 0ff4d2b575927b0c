// Title bars and centring of the game's windows.
#include "screens/WindowPlacement.h"

#include <QEvent>
#include <QMargins>
#include <QRect>
#include <QScreen>
#include <QWidget>

#include <algorithm>

void setTitleBoxes(QWidget* window, TitleBoxes boxes)
{
    Qt::WindowFlags flags = (window->windowFlags() & Qt::WindowType_Mask) | Qt::CustomizeWindowHint |
                            Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (boxes != TitleBoxes::Box)
        flags |= Qt::WindowMinimizeButtonHint;
    if (boxes == TitleBoxes::Sizeable)
        flags |= Qt::WindowMaximizeButtonHint;
    else
        flags |= Qt::MSWindowsFixedSizeDialogHint;
    window->setWindowFlags(flags);
}

void bringUp(QWidget* screen)
{
    screen->show();
    screen->raise();
    screen->activateWindow();
}

void centreOnScreen(QWidget* window)
{
    const QScreen* screen = window->screen();
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    QRect frame = window->frameGeometry();
    frame.moveCenter(available.center());
    // A window larger than the screen keeps its title bar and its left edge
    // on it, where the player can reach them.
    frame.moveLeft(std::max(frame.left(), available.left()));
    frame.moveTop(std::max(frame.top(), available.top()));
    window->move(frame.topLeft());
}

namespace {

// Centres a window each time the program shows it, and once more when the
// window manager has put its frame around it: until then the frame's size
// is not known, and a window centred without it ends off centre by half the
// title bar.
class CentreOnShow : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* window = static_cast<QWidget*>(watched);
        if (event->type() == QEvent::Show && !event->spontaneous()) {
            centreOnScreen(window);
            m_frame = frameMargins(window);
            m_awaitingFrame = true;
        } else if (m_awaitingFrame && (event->type() == QEvent::Move || event->type() == QEvent::Resize)) {
            if (window->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)) {
                m_awaitingFrame = false; // the player has placed it himself
            } else if (frameMargins(window) != m_frame) {
                m_awaitingFrame = false;
                centreOnScreen(window);
            }
        }
        return false;
    }

private:
    static QMargins frameMargins(const QWidget* window)
    {
        const QRect frame = window->frameGeometry();
        const QRect inside = window->geometry();
        return QMargins(inside.left() - frame.left(), inside.top() - frame.top(), frame.right() - inside.right(),
                        frame.bottom() - inside.bottom());
    }

    QMargins m_frame;
    bool m_awaitingFrame = false;
};

} // namespace

void centreWhenShown(QWidget* window)
{
    window->installEventFilter(new CentreOnShow(window));
}
