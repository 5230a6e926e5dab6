#include "input.h"

#include <string>

namespace varnomel::e2e {

namespace {

void sendMouse(DWORD flags, int x = 0, int y = 0) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    if (flags & MOUSEEVENTF_ABSOLUTE) {
        input.mi.dx = MulDiv(x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
        input.mi.dy = MulDiv(y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    }
    SendInput(1, &input, sizeof input);
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
    runAndWait(L"Z:\\usr\\bin\\xdotool mousemove " + std::to_wstring(x) + L" " + std::to_wstring(y) + L" click 1");
    Sleep(200);
}

POINT centreOf(const RECT& rect) { return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2}; }

}  // namespace varnomel::e2e
