// Title bars and centring of the game's windows.
#include "screens/WindowPlacement.h"

#include <QEvent>
#include <QMargins>
#include <QRect>
#include <QFrame>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
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

// What a window's frame adds around it before the window manager has told:
// a title bar and thin borders.
const QSize kFrameAllowance(16, 48);

} // namespace

bool scrollWhenLargerThanScreen(QWidget* screen, const QString& scrollName)
{
    const QScreen* s = screen->screen();
    const QSize designed = screen->size();
    if (!s)
        return false;
    const QSize room = s->availableGeometry().size() - kFrameAllowance;
    if (designed.width() <= room.width() && designed.height() <= room.height())
        return false;
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("scrolledPage"));
    const QObjectList children = screen->children(); // a copy: each move takes one out
    for (QObject* o : children) {
        auto* w = qobject_cast<QWidget*>(o);
        if (!w || w->isWindow())
            continue;
        const bool hidden = w->isHidden();
        w->setParent(page); // keeps its place, but hides it
        w->setHidden(hidden);
    }
    page->setFixedSize(designed);
    auto* area = new QScrollArea(screen);
    area->setObjectName(QStringLiteral("scrollArea"));
    area->setFrameShape(QFrame::NoFrame);
    area->setWidget(page);
    area->horizontalScrollBar()->setAccessibleName(scrollName + QStringLiteral(" across"));
    area->verticalScrollBar()->setAccessibleName(scrollName + QStringLiteral(" down"));
    const QSize fit = designed.boundedTo(room);
    screen->setFixedSize(fit);
    area->setGeometry(0, 0, fit.width(), fit.height());
    return true;
}

void fitInsideScreen(QWidget* window)
{
    const QScreen* s = window->screen();
    if (!s)
        return;
    const QSize room = s->availableGeometry().size() - kFrameAllowance;
    window->setMinimumSize(window->minimumSize().boundedTo(room));
    window->resize(window->size().boundedTo(room));
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
