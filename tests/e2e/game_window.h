// A window of the test program that stands in for the game the overlay floats
// beside: an ordinary top-level window that a click activates and that counts
// the keys it receives. Its messages are only handled while the thread pumps.
#pragma once

#include <windows.h>

namespace varnomel::e2e {

class GameWindow {
public:
    explicit GameWindow(const RECT& area);
    ~GameWindow();
    GameWindow(const GameWindow&) = delete;
    GameWindow& operator=(const GameWindow&) = delete;

    HWND hwnd() const { return window_; }
    int keysReceived() const { return keys_; }
    // Clicks it, as a player going back to the game does; true once it has the foreground.
    bool activateByClick();
    bool hasForeground() const { return GetForegroundWindow() == window_; }
    // Presses a key, as a hotkey of the game; true once the window received it.
    bool receivesAKeyPress();

private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND window_ = nullptr;
    int keys_ = 0;
};

}  // namespace varnomel::e2e
