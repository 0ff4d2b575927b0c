// Small helpers every screen shares: dialogs, buttons, labels and texts.
#pragma once

#include <QDialog>
#include <QString>

#include "rules/core/SaveFile.h"

#include <string>

class QFontMetrics;
class QLabel;
class QPushButton;
class QWidget;
struct Game;

// Names in the save file are 8-bit Latin-1 text.
inline QString toQt(const std::string& s) { return QString::fromLatin1(s.data(), static_cast<int>(s.size())); }
inline std::string fromQt(const QString& s) { const QByteArray b = s.toLatin1(); return std::string(b.constData(), static_cast<std::size_t>(b.size())); }

// Which boxes a window's title bar offers. The window system is told exactly
// these (Qt::CustomizeWindowHint): left to itself a window manager may put a
// maximise box on a fixed-size screen, where it does nothing.
enum class TitleBoxes {
    Fixed,      // minimise and close: the screen keeps its size
    Sizeable,   // minimise, maximise and close: the player may resize it
    Box,        // close only: the about and error boxes
};
void setTitleBoxes(QWidget* window, TitleBoxes boxes);

// A screen of the game. Esc does nothing (a stray key must not leave a step
// half done), Enter presses no button by itself, and onShown() runs when the
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

    Game* m_game;   // never null
};

// A push button with its object name, caption (with & for the mnemonic) and
// no auto-default, so Enter in an edit never presses it.
QPushButton* makeButton(QWidget* parent, const char* objectName, const QString& caption);

// A label with its object name that shows text, never markup.
QLabel* makeLabel(QWidget* parent, const char* objectName, const QString& caption = QString());

// A click can arrive from a mnemonic after the button was hidden or disabled:
// handlers act only when their button is really offered.
bool isOffered(const QPushButton* button);

// Shows a screen and brings it to the front, also when it is already open.
void bringUp(QWidget* screen);

// Puts a window in the middle of the screen it is on.
void centreOnScreen(QWidget* window);

// Centres a window each time the program shows it (every ScreenDialog does
// this; the main menu and the about and error boxes ask for it), and once
// more when the window manager has framed it. Qt would put a dialog over its
// parent, which at start-up is not on screen yet.
void centreWhenShown(QWidget* window);

// The widest text of `characters` characters that a name from the save file
// can be in `metrics`' font: that many of its widest Latin-1 letter.
// Columns that show names are made at least this wide.
QString widestName(const QFontMetrics& metrics, int characters);

// Waits `milliseconds` while the screens go on painting, and throws away the
// clicks and key presses made meanwhile: held back, they would land after
// the pause on whatever button then stands under the pointer or has the
// focus. Ends early when the program quits.
void pauseDiscardingInput(int milliseconds);

// Loads the career into `game`. On failure shows the file-error box
// modally and closes `screen` from a queued call (not inside its show
// event, which would leave a ghost window); returns false, and the caller's
// handler stops there.
bool loadRosterOrReport(QWidget* screen, Game& game);

// Saves the roster of `game`; a failure is reported in a message box on top
// of `screen`: what failed, the file's full path, that nothing was lost, and
// `retry` (the button that tries again). Returns whether the save succeeded.
bool saveRosterOrReport(QWidget* screen, const Game& game, const QString& retry = QString());

// Saves a step's result as saveRosterOrReport does; true when the step's own
// button is to save it again: never after a success, nor when another
// program has written a newer file (nothing can be saved over it; the step
// is given up, as the box says, and the next step starts from that file).
bool stepLeftUnsaved(QWidget* screen, const Game& game, const QString& retry);

// Reports a save that failed as saveRosterOrReport does; true when it worked.
// A failure that trying again cannot mend names no button to retry with.
bool reportIfSaveFailed(QWidget* screen, const SaveResult& result, const QString& retry = QString());

// While one lives, a failed save is reported once: a second failure with
// the same cause (the bout's own save, then the day's save after it, in a
// folder that became read-only) shows no second, identical box.
class OneSaveReport {
public:
    OneSaveReport();
    ~OneSaveReport();
    OneSaveReport(const OneSaveReport&) = delete;
    OneSaveReport& operator=(const OneSaveReport&) = delete;
};
