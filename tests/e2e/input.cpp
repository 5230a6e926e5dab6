#include "input.h"

#include <cstdlib>
#include <string>

namespace varnomel::e2e {

namespace {

// When and where each button last went down, so that presses meant as single
// ones are never taken for the second half of a double click.
struct Press {
    ULONGLONG time = 0;
    POINT at{};
};
Press lastPress[2];

POINT pointerNow() {
    POINT pointer{};
    GetCursorPos(&pointer);
    return pointer;
}

// A double click needs the second press within the double-click time and
// rectangle of the first.
void waitPastDoubleClickTime(int button) {
    const Press& last = lastPress[button];
    const POINT now = pointerNow();
    const bool sameSpot = std::abs(now.x - last.at.x) <= GetSystemMetrics(SM_CXDOUBLECLK) / 2 &&
                      std::abs(now.y - last.at.y) <= GetSystemMetrics(SM_CYDOUBLECLK) / 2;
    const ULONGLONG ready = last.time + GetDoubleClickTime() + 50;
    const ULONGLONG tick = GetTickCount64();
    if (last.time != 0 && sameSpot && tick < ready) Sleep(static_cast<DWORD>(ready - tick));
}

void notePress(int button) { lastPress[button] = {GetTickCount64(), pointerNow()}; }

void notePress(DWORD flags) {
    if (flags & MOUSEEVENTF_LEFTDOWN) notePress(0);
    if (flags & MOUSEEVENTF_RIGHTDOWN) notePress(1);
}

POINT movedTo{};  // where moveMouse last put the pointer

void sendMouse(DWORD flags, int x = 0, int y = 0);

// Under Wine a late motion report of the X display now and then puts the
// pointer back where an earlier move had it: a press waits until the pointer
// rests where it was last moved, giving the move again if need be.
void settlePointer() {
    for (int check = 0, still = 0; check < 25 && still < 2; ++check) {
        const POINT now = pointerNow();
        if (now.x == movedTo.x && now.y == movedTo.y) {
            ++still;
        } else {
            still = 0;
            SetCursorPos(movedTo.x, movedTo.y);
            sendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, movedTo.x, movedTo.y);
        }
        Sleep(20);
    }
}

void sendMouse(DWORD flags, int x, int y) {
    if (flags & (MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_RIGHTDOWN)) settlePointer();
    if (flags & MOUSEEVENTF_LEFTDOWN) waitPastDoubleClickTime(0);
    if (flags & MOUSEEVENTF_RIGHTDOWN) waitPastDoubleClickTime(1);
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    if (flags & MOUSEEVENTF_ABSOLUTE) {
        input.mi.dx = MulDiv(x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
        input.mi.dy = MulDiv(y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    }
    SendInput(1, &input, sizeof input);
    notePress(flags);
    Sleep(30);  // let the window system deliver it
}

void runAndWait(std::wstring commandLine) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process)) {
        return;
    }
    WaitForSingleObject(process.hProcess, 10000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

}  // namespace

void moveMouse(int x, int y) {
    movedTo = {x, y};
    SetCursorPos(x, y);
    sendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, x, y);
}

void leftButton(bool down) { sendMouse(down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP); }

void rightButton(bool down) { sendMouse(down ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_RIGHTUP); }

void leftClick(int x, int y) {
    moveMouse(x, y);
    leftButton(true);
    leftButton(false);
}

void leftDoubleClick(int x, int y, bool holdSecondPress) {
    leftClick(x, y);
    lastPress[0] = {};  // the second press belongs to the first
    leftButton(true);
    if (!holdSecondPress) leftButton(false);
}

void pressKey(WORD key) {
    INPUT inputs[2] = {};
    inputs[0].type = inputs[1].type = INPUT_KEYBOARD;
    inputs[0].ki.wVk = inputs[1].ki.wVk = key;
    inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, inputs, sizeof inputs[0]);
    Sleep(50);
}

void leftDrag(POINT from, POINT to) {
    moveMouse(from.x, from.y);
    leftButton(true);
    Sleep(100);  // the move or sizing loop starts on the press
    constexpr int steps = 8;
    for (int step = 1; step <= steps; ++step) {
        moveMouse(from.x + (to.x - from.x) * step / steps, from.y + (to.y - from.y) * step / steps);
    }
    Sleep(50);
    leftButton(false);
    Sleep(100);
}

bool underWine() {
    HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

void clickThroughTheScreen(int x, int y) {
    if (!underWine()) {
        leftClick(x, y);
        return;
    }
    moveMouse(x, y);
    waitPastDoubleClickTime(0);
    notePress(0);
    runAndWait(L"Z:\\usr\\bin\\xdotool mousemove " + std::to_wstring(x) + L" " + std::to_wstring(y) + L" click 1");
    Sleep(200);
}

POINT centreOf(const RECT& rect) { return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2}; }

}  // namespace varnomel::e2e
