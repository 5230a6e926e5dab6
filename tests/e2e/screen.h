// What the screen shows, read back as the system composed it (see-through
// pixels show what lies beneath), and icons drawn the way a picture box draws them.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

#include "embedded_file.h"

namespace varnomel::e2e {

struct Pixels {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> values;  // 0x00RRGGBB, top row first
    std::uint32_t at(int x, int y) const { return values[static_cast<std::size_t>(y) * width + x]; }
};

Pixels captureScreen(const RECT& area);
// A PNG stretched over a black square of the given size with the stretch mode
// that picture boxes use on this display.
Pixels drawIconLikeAPictureBox(ByteView png, int width, int height);
// How many pixels differ by more than `tolerance` in any channel.
int differingPixels(const Pixels& a, const Pixels& b, int tolerance);
// The picture box's image area, inside its one-pixel edge, in screen coordinates.
RECT imageArea(HWND pictureBox);

constexpr std::uint32_t rgb(int red, int green, int blue) {
    return static_cast<std::uint32_t>(red << 16 | green << 8 | blue);
}

// One pixel of the screen, 0x00RRGGBB.
std::uint32_t pixelAt(POINT point);

// Dispatches every message waiting for this thread's own windows.
void pumpMessages();

// Like waitUntil, but keeps this thread's own windows answering meanwhile.
template <typename Condition>
bool pumpUntil(Condition condition, DWORD milliseconds = 5000) {
    const ULONGLONG end = GetTickCount64() + milliseconds;
    for (pumpMessages(); !condition(); pumpMessages()) {
        if (GetTickCount64() > end) return false;
        Sleep(20);
    }
    return true;
}

// A plain top-level window of the test program in one solid colour, not
// topmost, that counts the left-button presses it receives; a press does not
// activate it. Its messages are only handled while the thread pumps (pumpUntil).
class Backdrop {
public:
    Backdrop(const RECT& area, COLORREF colour);
    ~Backdrop();
    Backdrop(const Backdrop&) = delete;
    Backdrop& operator=(const Backdrop&) = delete;

    int leftPresses() const { return leftPresses_; }
    // Above every other window that is not topmost.
    void raise() const;

private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HBRUSH brush_;
    HWND window_ = nullptr;
    int leftPresses_ = 0;
};

}  // namespace varnomel::e2e
