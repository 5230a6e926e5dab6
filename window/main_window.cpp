#include "main_window.h"

#include "form_layout.h"

namespace varnomel {

namespace {

const wchar_t kMainWindowClass[] = L"VarnomelWindow";

HICON applicationIcon(HINSTANCE instance, int size) {
    return static_cast<HICON>(LoadImageW(instance, L"DEFAULT_ICON", IMAGE_ICON, size, size, LR_SHARED));
}

}  // namespace

bool MainWindow::create(HINSTANCE instance, const DesignRect& r) {
    registerClass(instance, {kMainWindowClass, LoadCursor(nullptr, IDC_ARROW), nullptr,
                             applicationIcon(instance, GetSystemMetrics(SM_CXICON)),
                             applicationIcon(instance, GetSystemMetrics(SM_CXSMICON))});
    background_.reset(CreateSolidBrush(GetSysColor(COLOR_BTNFACE)));
    // No frame, caption or system menu; the minimise capability without a button.
    const DWORD style = WS_POPUP | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
    return WindowBase::create(instance, kMainWindowClass,
                              {WS_EX_TOPMOST, style, r.left, r.top, r.width, r.height, nullptr, 0}) != nullptr;
}

void MainWindow::destroy() {
    if (hwnd()) DestroyWindow(hwnd());
}

void MainWindow::setBackground(Rgb colour) {
    background_.reset(CreateSolidBrush(RGB(colour.red, colour.green, colour.blue)));
    InvalidateRect(hwnd(), nullptr, TRUE);
}

ScreenRect MainWindow::geometry() const {
    RECT outer{};
    GetWindowRect(hwnd(), &outer);
    return {outer.left, outer.top, outer.right - outer.left, outer.bottom - outer.top};
}

void MainWindow::setSize(int width, int height) {
    SetWindowPos(hwnd(), nullptr, 0, 0, width, height, SWP_NOACTIVATE | SWP_NOZORDER | SWP_NOMOVE);
}

void MainWindow::moveTo(int left, int top) {
    SetWindowPos(hwnd(), nullptr, left, top, 0, 0, SWP_NOACTIVATE | SWP_NOZORDER | SWP_NOSIZE);
}

// A window that is not activated is not raised by the system either: a press
// brings it above the other windows itself.
void MainWindow::comeToTheTop() {
    SetWindowPos(hwnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE);
}

LRESULT MainWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_MOUSEACTIVATE:
        // Presses on the overlay leave the keyboard with the window that has it, the game's.
        comeToTheTop();
        return MA_NOACTIVATE;
    case WM_ERASEBKGND: eraseBackground(reinterpret_cast<HDC>(wParam)); return 1;
    case WM_SIZE: events_.sizeChanged(); return 0;
    case WM_COMMAND:
        if (lParam == 0) events_.commandChosen(LOWORD(wParam));  // menu items only
        return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        if (panel_ && reinterpret_cast<HWND>(lParam) == panel_->hwnd()) {
            return panel_->colourFor(reinterpret_cast<HDC>(wParam));
        }
        break;
    case WM_DPICHANGED: {
        const RECT& suggested = *reinterpret_cast<const RECT*>(lParam);
        events_.displayScaleChanged(HIWORD(wParam), {suggested.left, suggested.top, suggested.right - suggested.left,
                                                     suggested.bottom - suggested.top});
        return 0;
    }
    case WM_DESTROY:
        events_.destroying();
        PostQuitMessage(0);
        return 0;
    default: break;
    }
    return WindowBase::handleMessage(message, wParam, lParam);
}

void MainWindow::eraseBackground(HDC dc) {
    RECT client;
    GetClientRect(hwnd(), &client);
    FillRect(dc, &client, background_.get());
}

}  // namespace varnomel
