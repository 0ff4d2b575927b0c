// Scroll events as the game's rules expect them.
#include "screens/career/ScrollEventBar.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>
#include <QWheelEvent>

namespace {

bool isScrollKey(int key)
{
    switch (key) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
        return true;
    default:
        return false;
    }
}

// One notch of an ordinary mouse wheel.
constexpr int kNotch = 120;

} // namespace

ScrollEventBar::ScrollEventBar(QWidget* parent) : QScrollBar(Qt::Vertical, parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setContextMenuPolicy(Qt::NoContextMenu);
    connect(this, &QAbstractSlider::actionTriggered, this, &ScrollEventBar::onAction);
}

void ScrollEventBar::answer(int position)
{
    // Inside the action the slider is about to take sliderPosition() as its
    // value; outside it, setSliderPosition() would start a new action.
    if (m_inAction)
        setSliderPosition(position);
    else
        setValue(position);
}

void ScrollEventBar::onAction(int)
{
    m_inAction = true;
    emit scrolled(sliderPosition());
    m_inAction = false;
}

void ScrollEventBar::endGesture()
{
    emit scrolled(sliderPosition());
}

void ScrollEventBar::mousePressEvent(QMouseEvent* e)
{
    m_mouseDown = true;
    QScrollBar::mousePressEvent(e);
}

void ScrollEventBar::mouseReleaseEvent(QMouseEvent* e)
{
    QScrollBar::mouseReleaseEvent(e);
    if (m_mouseDown && e->buttons() == Qt::NoButton) {
        m_mouseDown = false;
        endGesture();
    }
}

void ScrollEventBar::keyPressEvent(QKeyEvent* e)
{
    if (isScrollKey(e->key()) && !e->isAutoRepeat())
        m_keyDown = e->key();
    QScrollBar::keyPressEvent(e);
}

void ScrollEventBar::keyReleaseEvent(QKeyEvent* e)
{
    QScrollBar::keyReleaseEvent(e);
    if (!e->isAutoRepeat() && m_keyDown != 0 && e->key() == m_keyDown) {
        m_keyDown = 0;
        endGesture();
    }
}

void ScrollEventBar::paintEvent(QPaintEvent* e)
{
    QScrollBar::paintEvent(e);
    if (!hasFocus())
        return;
    QStyleOptionFocusRect ring;
    ring.initFrom(this);
    ring.rect = rect().adjusted(1, 1, -1, -1);
    ring.backgroundColor = palette().color(QPalette::Window);
    QPainter p(this);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &ring, &p, this);
    // A style may draw the ring faintly or not at all on a bar: a line in
    // the highlight colour is always there.
    p.setPen(QPen(palette().color(QPalette::Highlight), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(rect().adjusted(1, 1, -1, -1));
}

void ScrollEventBar::wheelEvent(QWheelEvent* e)
{
    e->accept();
    m_wheelRest += e->angleDelta().y();
    int steps = 0;
    while (m_wheelRest >= kNotch) {
        m_wheelRest -= kNotch;
        triggerAction(SliderSingleStepSub);
        ++steps;
    }
    while (m_wheelRest <= -kNotch) {
        m_wheelRest += kNotch;
        triggerAction(SliderSingleStepAdd);
        ++steps;
    }
    if (steps > 0)
        endGesture();
}
