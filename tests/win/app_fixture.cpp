#include "app_fixture.h"

#include <fstream>
#include <iterator>

#include "geometry_text.h"
#include "settings_path.h"

namespace varnomel::testing {

namespace {

std::string configPath() {
    char module[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, module, MAX_PATH);
    return settingsFilePath(module);
}

}  // namespace

void AppTest::SetUp() { removeConfig(); }

void AppTest::TearDown() {
    app.reset();
    // The window's destruction posts a quit message; it must not reach the next test.
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    }
    removeConfig();
}

void AppTest::writeConfig(const std::string& bytes) {
    std::ofstream(configPath(), std::ios::binary | std::ios::trunc) << bytes;
}

void AppTest::removeConfig() {
    SetFileAttributesA(configPath().c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(configPath().c_str());
}

std::string AppTest::readConfig() {
    std::ifstream file(configPath(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

void AppTest::start() {
    app = std::make_unique<App>(GetModuleHandleW(nullptr));
    ASSERT_TRUE(app->start());
    pumpMessages();
}

RECT AppTest::outerRect() {
    RECT rect{};
    GetWindowRect(window(), &rect);
    return rect;
}

RECT AppTest::rectInParent(int id) {
    HWND child = control(id);
    RECT rect{};
    GetWindowRect(child, &rect);
    MapWindowPoints(HWND_DESKTOP, GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

void AppTest::pressLeft(int id) {
    SendMessageW(control(id), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageW(control(id), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
}

void AppTest::command(int id) { SendMessageW(window(), WM_COMMAND, MAKEWPARAM(id, 0), 0); }

void AppTest::setSize(int width, int height) {
    SetWindowPos(window(), nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void AppTest::pumpMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

std::wstring windowText(HWND window) {
    wchar_t text[512] = {};
    GetWindowTextW(window, text, 512);
    return text;
}

}  // namespace varnomel::testing
