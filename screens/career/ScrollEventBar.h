// A vertical scroll bar whose every move goes through one scroll handler.
#pragma once

#include <QScrollBar>

// The game's bars hand each proposed position to a handler that may change
// or refuse it, and they end every gesture (mouse, key or wheel) with one more
// scroll event at the resting position, which the creation rules count on.
// One wheel notch is one step. The context menu is off: its "Scroll here"
// would move the bar without asking the handler.
class ScrollEventBar : public QScrollBar {
    Q_OBJECT
public:
    explicit ScrollEventBar(QWidget* parent = nullptr);

    // The handler's answer to a scroll event: the position the bar takes.
    // During the bar's own action this corrects the proposed position; after
    // a gesture it moves the bar without raising another scroll event.
    void answer(int position);

signals:
    // A scroll event; the proposed position is sliderPosition().
    void scrolled(int proposed);

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;
    // Styles draw no focus on a scroll bar: this one shows it, as a button does.
    void paintEvent(QPaintEvent* e) override;

private:
    void onAction(int action);
    void endGesture();

    bool m_inAction = false;
    bool m_mouseDown = false;
    int m_keyDown = 0;
    int m_wheelRest = 0;
};
