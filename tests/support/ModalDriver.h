// Plays the modal screens that open during a test, as a player who presses
// whatever is offered: the one driver of every screen test.
#pragma once

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QHash>
#include <QPointer>
#include <QPushButton>
#include <QSet>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <map>

// Every modal screen that opens is first shown to the m_hooks (once per
// opening); then, while it stays open, its first offered button is pressed,
// one per turn of the event loop. That fights the bouts, spends bonus points
// and presses every OK. With `m_pressButtons` off the m_hooks alone act, and a
// screen they leave open is rejected, so a failed check never hangs a test.
// Openings are counted as the program shows its windows, so a screen that
// an exec() closed at once still counts.
class ModalDriver : public QObject {
public:
    std::map<QWidget*, std::function<void()>> m_hooks; // by screen
    std::function<void(QWidget*)> m_anyOpening; // every opening, before the hook
    bool m_pressButtons = true;

    ModalDriver()
    {
        qApp->installEventFilter(this);
        m_timer.setInterval(0);
        connect(&m_timer, &QTimer::timeout, this, [this] { turn(); });
        m_timer.start();
    }

    int openings(QWidget* w) const { return m_openings.value(w); }

protected:
    bool eventFilter(QObject* o, QEvent* e) override
    {
        // Restoring a minimised window is a spontaneous show, not an opening.
        const bool shown = e->type() == QEvent::Show, hidden = e->type() == QEvent::Hide;
        if ((shown || hidden) && !e->spontaneous() && o->isWidgetType() && static_cast<QWidget*>(o)->isWindow()) {
            auto* w = static_cast<QWidget*>(o);
            if (shown)
                ++m_openings[w];
            else
                m_looked.remove(w);
        }
        return false;
    }

private:
    void turn()
    {
        QWidget* modal = QApplication::activeModalWidget();
        // A screen whose hook is still at work (in a pause, a bout, a wait)
        // is left to it; screens it opens meanwhile are driven.
        if (!modal || m_pending || m_inHook.contains(modal))
            return;
        if (!m_looked.contains(modal)) {
            m_looked.insert(modal);
            later([this, modal = QPointer<QWidget>(modal)] {
                if (!modal)
                    return;
                m_inHook.insert(modal);
                if (m_anyOpening)
                    m_anyOpening(modal);
                const auto hook = m_hooks.find(modal.data());
                if (hook != m_hooks.end() && modal)
                    hook->second();
                m_inHook.remove(modal.data());
            });
            return;
        }
        if (!m_pressButtons) {
            if (auto* dialog = qobject_cast<QDialog*>(modal))
                dialog->done(QDialog::Rejected);
            else
                modal->close();
            return;
        }
        for (QPushButton* b : modal->findChildren<QPushButton*>()) {
            if (b->isVisible() && b->isEnabled()) {
                m_idle = 0;
                if (++m_presses > 20000) {
                    m_timer.stop();
                    QFAIL("a modal screen kept offering buttons");
                }
                later([b = QPointer<QPushButton>(b)] {
                    if (b && b->isVisible() && b->isEnabled())
                        b->click();
                });
                return;
            }
        }
        // A screen stuck without a way on would leave the test waiting.
        if (++m_idle > 5000) {
            m_idle = 0;
            if (auto* dialog = qobject_cast<QDialog*>(modal))
                dialog->done(QDialog::Rejected);
            QFAIL("a modal screen offered no button");
        }
    }

    // Acts from a timer of its own: Qt never fires a timer inside its own
    // slot, so a screen opened by the action would stop this one driving.
    void later(std::function<void()> action)
    {
        m_pending = true;
        QTimer::singleShot(0, this, [this, action] {
            m_pending = false;
            action();
        });
    }

    QTimer m_timer;
    QSet<QWidget*> m_looked;
    QSet<QWidget*> m_inHook;
    QHash<QWidget*, int> m_openings;
    int m_presses = 0;
    int m_idle = 0;
    bool m_pending = false;
};
