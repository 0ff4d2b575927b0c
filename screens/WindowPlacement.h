// Where the game's windows stand and which boxes their title bars offer.
#pragma once

class QString;
class QWidget;

// Which boxes a window's title bar offers. The window system is told exactly
// these (Qt::CustomizeWindowHint): left to itself a window manager may put a
// maximise box on a fixed-size screen, where it does nothing.
enum class TitleBoxes {
    Fixed, // minimise and close: the screen keeps its size
    Sizeable, // minimise, maximise and close: the player may resize it
    Box, // close only: the about and error boxes
};
void setTitleBoxes(QWidget* window, TitleBoxes boxes);

// Shows a screen and brings it to the front, also when it is already open.
void bringUp(QWidget* screen);

// Puts a window in the middle of the screen it is on.
void centreOnScreen(QWidget* window);

// A screen laid out by hand at a fixed size that does not fit on its screen
// (a large scale on a small one): its controls move into a scrolled page of
// that size, and the screen takes the size the screen allows. Call it once,
// when every control is made. Returns whether it had to.
bool scrollWhenLargerThanScreen(QWidget* screen, const QString& scrollName);

// A sizeable window taller or wider than its screen takes the room the
// screen has (its contents scroll), keeping its title bar reachable.
void fitInsideScreen(QWidget* window);

// Centres a window each time the program shows it (every ScreenDialog does
// this; the main menu and the about and error boxes ask for it), and once
// more when the window manager has framed it. Qt would put a dialog over its
// parent, which at start-up is not on screen yet.
void centreWhenShown(QWidget* window);
