// Names, keys and focus for keyboard players and screen readers.
#include "screens/Accessibility.h"

#include "screens/Controls.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QShortcut>
#include <QWidget>

void nameControl(QWidget* control, const QString& name, const QString& description)
{
    control->setAccessibleName(name);
    if (!description.isEmpty())
        control->setAccessibleDescription(description);
}

void tieLabel(QLabel* caption, QWidget* control)
{
    caption->setBuddy(control);
    if (control->accessibleName().isEmpty()) {
        // "Shikona:" is read as "Shikona": the colon is for the eye.
        QString name = caption->text().remove(QLatin1Char('&')).trimmed();
        if (name.endsWith(QLatin1Char(':')))
            name.chop(1);
        control->setAccessibleName(name);
    }
}

QString keyText(const QKeySequence& key)
{
    return key.toString(QKeySequence::NativeText);
}

void giveKey(QAbstractButton* button, const QKeySequence& key, const QString& name)
{
    auto* shortcut = new QShortcut(key, button->window() ? button->window() : button);
    shortcut->setContext(Qt::WindowShortcut);
    QObject::connect(shortcut, &QShortcut::activated, button, [button] {
        auto* push = qobject_cast<QPushButton*>(button);
        if (push ? isOffered(push) : (button->isVisible() && button->isEnabled()))
            button->click();
    });
    const QString shown = name + QStringLiteral(" (") + keyText(key) + QLatin1Char(')');
    button->setAccessibleName(shown);
    button->setToolTip(shown);
}

void announce(QWidget* control)
{
    QAccessibleEvent changed(control, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
}

bool pressFocusedButton(QWidget* window, QKeyEvent* e)
{
    if (e->key() != Qt::Key_Return && e->key() != Qt::Key_Enter)
        return false;
    auto* button = qobject_cast<QPushButton*>(window->focusWidget());
    if (button && window->isAncestorOf(button) && !e->isAutoRepeat() && isOffered(button))
        button->click();
    e->accept();
    return true;
}

namespace {

void raiseInOrder(QLayout* layout)
{
    for (int i = 0; i < layout->count(); ++i) {
        QLayoutItem* item = layout->itemAt(i);
        if (QWidget* w = item->widget())
            w->raise(); // to the end of its parent's children
        else if (QLayout* inner = item->layout())
            raiseInOrder(inner);
    }
}

} // namespace

void readInLayoutOrder(QWidget* window)
{
    if (QLayout* layout = window->layout())
        raiseInOrder(layout);
}

void showFocusFromStart(QWidget* window)
{
    window->setAttribute(Qt::WA_KeyboardFocusChange);
}

void giveFocusBack(QWidget* window)
{
    if (!window || !window->isVisible())
        return;
    window->raise();
    window->activateWindow();
    QWidget* focus = window->focusWidget();
    if (!focus || !focus->isVisible() || !focus->isEnabled()) {
        // The first control the player can reach by Tab.
        focus = window->nextInFocusChain();
        while (focus != window && !(focus->isVisible() && focus->isEnabled() && (focus->focusPolicy() & Qt::TabFocus)))
            focus = focus->nextInFocusChain();
    }
    if (focus != window)
        focus->setFocus(Qt::ActiveWindowFocusReason);
}
