// Real mouse and keyboard input, as a user gives it. A press of a button
// waits, if need be, until it cannot make a double click with the one before;
// only leftDoubleClick makes double clicks.
#pragma once

#include <windows.h>

namespace varnomel::e2e {

void moveMouse(int x, int y);
void leftButton(bool down);
void rightButton(bool down);
void leftClick(int x, int y);
// Two clicks within the double-click time; the second press may be kept held.
void leftDoubleClick(int x, int y, bool holdSecondPress = false);
void pressKey(WORD key);
// Moves with the left button held, in small steps, and releases it.
void leftDrag(POINT from, POINT to);

bool underWine();
// A click that the window system hit-tests itself, so that it passes through
// see-through pixels: SendInput on Windows; under Wine, whose own hit-testing
// ignores them, a click made on the X display.
void clickThroughTheScreen(int x, int y);

POINT centreOf(const RECT& rect);

}  // namespace varnomel::e2e
