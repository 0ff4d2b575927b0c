// Where the game's windows stand and which boxes their title bars offer.
#pragma once

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

// Centres a window each time the program shows it (every ScreenDialog does
// this; the main menu and the about and error boxes ask for it), and once
// more when the window manager has framed it. Qt would put a dialog over its
// parent, which at start-up is not on screen yet.
void centreWhenShown(QWidget* window);
