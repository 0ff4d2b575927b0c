// Knowing that the program is quitting while modal screens are still nested.
#pragma once

// After QApplication::quit() every nested event loop ends and every later
// exec() returns at once, but aboutToQuit is only emitted once the main
// loop has ended, far too late for a handler that is about to open its next
// screen. The watch sees the quit request itself as it arrives.

// Starts watching the application (call once a QApplication exists; calling
// it again does nothing).
void watchApplicationQuit();

// True from the moment a quit request reached the application. Should the
// request be refused (a window would not close) and the program go on, the
// flag clears again at the next turn of the event loop.
bool applicationQuitting();
