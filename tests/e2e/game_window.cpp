#include "game_window.h"

#include "input.h"
#include "screen.h"

namespace varnomel::e2e {

namespace {

const wchar_t kGameClass[] = L"VarnomelE2eGame";

void registerGameClass(WNDPROC procedure) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    windowClass.lpszClassName = kGameClass;
    RegisterClassW(&windowClass);  // fails harmlessly once it exists
}

}  // namespace

GameWindow::GameWindow(const RECT& area) {
    registerGameClass(procedure);
    window_ = CreateWindowExW(0, kGameClass, L"game", WS_POPUP | WS_BORDER, area.left, area.top,
                              area.right - area.left, area.bottom - area.top, nullptr, nullptr,
                              GetModuleHandleW(nullptr), this);
    ShowWindow(window_, SW_SHOWNOACTIVATE);
    UpdateWindow(window_);
    pumpMessages();
}

GameWindow::~GameWindow() {
    DestroyWindow(window_);
    pumpMessages();
}

bool GameWindow::activateByClick() {
    RECT area{};
    GetWindowRect(window_, &area);
    const POINT centre = centreOf(area);
    leftClick(centre.x, centre.y);
    return pumpUntil([&] { return hasForeground(); });
}

bool GameWindow::receivesAKeyPress() {
    const int before = keys_;
    pressKey('R');
    return pumpUntil([&] { return keys_ > before; }, 2000);
}

LRESULT CALLBACK GameWindow::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
    }
    auto* self = reinterpret_cast<GameWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self && message == WM_KEYDOWN) ++self->keys_;
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace varnomel::e2e
