// What a keyboard player and a screen reader need of the game's controls.
#pragma once

#include <QString>

class QAbstractButton;
class QKeyEvent;
class QKeySequence;
class QLabel;
class QWidget;

// The name a screen reader says for a control, and what it does or shows
// when the name alone does not tell. The caption on screen stays as it is.
void nameControl(QWidget* control, const QString& name, const QString& description = QString());

// Ties a caption to the field or bar it names: a screen reader reads the
// caption as the control's label, and the caption's mnemonic focuses it.
void tieLabel(QLabel* caption, QWidget* control);

// Gives a button whose caption marks no letter a key of its own in its
// window: `key` presses it while it is offered (shown and enabled). The key
// is added to its accessible name and its tooltip, so a player who cannot
// see the screen learns it too. `name` is what the button does.
void giveKey(QAbstractButton* button, const QKeySequence& key, const QString& name);

// The key text giveKey shows for `key`, as the platform writes it.
QString keyText(const QKeySequence& key);

// Tells a screen reader that a control now shows something new (an
// exchange's outcome, the result of the bout), so that it is read out
// although it does not have the focus.
void announce(QWidget* control);

// Enter or Return on a focused button presses it, once per press, as Space
// does; in an edit, and on anything else, it presses nothing. Returns whether
// the key was taken.
bool pressFocusedButton(QWidget* window, QKeyEvent* e);

// Puts a window's children in the order its layout holds them (each row
// left to right, rows from the top): a screen reader reads a caption, then
// its value, and not every value before every caption.
void readInLayoutOrder(QWidget* window);

// Makes the focus visible from the moment a window opens, not only after the
// first Tab: Qt's styles draw the focus only once the keyboard has moved it.
void showFocusFromStart(QWidget* window);

// Moves the keyboard focus to `window`'s focused control (or its first one)
// and makes it the active window: used when a modal screen closes, so that
// no key lands on a window hidden behind the one the player sees.
void giveFocusBack(QWidget* window);
