// Shared behaviour of the game's screens.
#include "screens/ScreenDialog.h"

#include "screens/Accessibility.h"
#include "screens/WindowPlacement.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLayout>
#include <QShowEvent>

ScreenDialog::ScreenDialog(Game& game, QWidget* parent) : QDialog(parent), m_game(&game)
{
    setTitleBoxes(this, TitleBoxes::Fixed);
    centreWhenShown(this);
}

void ScreenDialog::fitToText()
{
    if (QLayout* l = layout()) {
        // A new text reaches the layouts of the panels around its label only
        // at the next turn of the event loop: bring them up to date now,
        // innermost first, and this screen's own layout last.
        const QList<QWidget*> inside = findChildren<QWidget*>();
        for (auto it = inside.rbegin(); it != inside.rend(); ++it) {
            if (QLayout* panel = (*it)->layout())
                panel->activate();
        }
        l->activate();
        // A fixed-size layout has just sized the screen to its contents.
        if (l->sizeConstraint() != QLayout::SetFixedSize) {
            const int needed = l->hasHeightForWidth() ? l->totalHeightForWidth(width()) : l->totalSizeHint().height();
            resize(width(), needed); // held at the minimum height by resize()
        }
    }
    if (isVisible())
        centreOnScreen(this);
}

int ScreenDialog::execFor(Game& game)
{
    m_game = &game;
    return exec();
}

void ScreenDialog::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    showFocusFromStart(this);
    if (e->spontaneous())
        return;
    QWidget* active = QApplication::activeWindow();
    m_cameFrom = active && active != this && active->isVisible() && !active->isMinimized() ? active : nullptr;
    onShown(); // centred already; a screen that fits itself to its texts centres again
}

void ScreenDialog::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Escape) {
        e->accept();
        return;
    }
    if (pressFocusedButton(this, e))
        return;
    QDialog::keyPressEvent(e);
}

void ScreenDialog::hideEvent(QHideEvent* e)
{
    QDialog::hideEvent(e);
    if (!e->spontaneous() && m_cameFrom)
        giveFocusBack(m_cameFrom);
}

void ScreenDialog::closeEvent(QCloseEvent* e)
{
    if (!mayClose()) {
        e->ignore();
        return;
    }
    QDialog::closeEvent(e);
}
