#include "input.h"

#include <string>

namespace varnomel::e2e {

namespace {

// When each button last went down, so that presses meant as single ones are
// never taken for the second half of a double click.
ULONGLONG lastPress[2] = {0, 0};

void waitPastDoubleClickTime(int button) {
    const ULONGLONG ready = lastPress[button] + GetDoubleClickTime() + 50;
    const ULONGLONG now = GetTickCount64();
    if (lastPress[button] != 0 && now < ready) Sleep(static_cast<DWORD>(ready - now));
}

void notePress(DWORD flags) {
    if (flags & MOUSEEVENTF_LEFTDOWN) lastPress[0] = GetTickCount64();
    if (flags & MOUSEEVENTF_RIGHTDOWN) lastPress[1] = GetTickCount64();
}

void sendMouse(DWORD flags, int x = 0, int y = 0) {
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
    lastPress[0] = 0;  // the second press belongs to the first
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
    waitPastDoubleClickTime(0);
    lastPress[0] = GetTickCount64();
    runAndWait(L"Z:\\usr\\bin\\xdotool mousemove " + std::to_wstring(x) + L" " + std::to_wstring(y) + L" click 1");
    Sleep(200);
}

POINT centreOf(const RECT& rect) { return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2}; }

}  // namespace varnomel::e2e
