// A pause in which the screens paint but take no input.
#pragma once

// Waits `milliseconds` while the screens go on painting, and throws away the
// clicks and key presses made meanwhile: held back, they would land after
// the pause on whatever button then stands under the pointer or has the
// focus. Ends early when the program quits.
void pauseDiscardingInput(int milliseconds);
