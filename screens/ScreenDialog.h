// The base of the game's screens: a dialog that keys and frames cannot end half way.
#pragma once

#include <QDialog>
#include <QPointer>

struct Game;

// A screen of the game. Esc does nothing (a stray key must not leave a step
// half done), Enter presses the focused button and no other (never one the
// player has not chosen), the focus shows from the start, and onShown() runs when the
// program shows the screen, never when the player restores it from the task
// bar. A screen may refuse to be closed by its frame while a step is open.
// A screen acts on the Game it was made for (or was last handed to work on),
// never on another.
// Every screen is centred when shown. Its title bar offers minimise and
// close (TitleBoxes::Fixed) unless the screen lets the player resize it.
class ScreenDialog : public QDialog {
    Q_OBJECT
public:
    explicit ScreenDialog(Game& game, QWidget* parent = nullptr);

    Game& game() const { return *m_game; }
    // Shows the screen modally, working on `game` from now on.
    int execFor(Game& game);

protected:
    virtual void onShown() {}
    virtual bool mayClose() const { return true; }

    // Lays the screen out for its current texts at once (not at the next turn
    // of the event loop), gives it the height they need at its width (taller
    // for a long text, back down for a short one, never below its minimum),
    // and then centres it again if it is showing: sized first, then centred,
    // so that it ends in the middle and no text is clipped.
    void fitToText();

    void showEvent(QShowEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    // Gives the focus back to the window the player came from: Qt would
    // activate the screen's parent, which may be hidden behind another.
    void hideEvent(QHideEvent* e) override;

    Game* m_game = nullptr; // never null

private:
    QPointer<QWidget> m_cameFrom; // the active window when the screen opened
};
