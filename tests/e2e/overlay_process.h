// Starts the real Varnomel.exe from a fresh folder of its own and watches it
// from outside: its window, its controls, its config.ini and its exit code.
// Works the same on Windows and under Wine.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>

namespace varnomel::e2e {

class OverlayProcess {
public:
    // `config`: the bytes of a config.ini to put beside the program first;
    // `prepare` then gets the program's folder before the program starts.
    explicit OverlayProcess(std::optional<std::string> config = std::nullopt,
                            const std::function<void(const std::wstring& folder)>& prepare = {});
    ~OverlayProcess();
    OverlayProcess(const OverlayProcess&) = delete;
    OverlayProcess& operator=(const OverlayProcess&) = delete;

    // True once the program's window is shown (it is looked for a few seconds at most).
    bool started() const { return window_ != nullptr; }
    HWND window() const { return window_; }
    // A control by its window id; panel controls are looked for inside the panel.
    HWND control(int id) const;
    RECT windowRect() const;
    // A control's rectangle in screen coordinates.
    RECT screenRect(int id) const;

    void requestClose() const;
    // The exit code once the process has ended, or nothing if it is still running.
    std::optional<DWORD> waitForExit(DWORD milliseconds) const;
    bool running() const;
    std::string readConfig() const;
    DWORD processId() const { return process_.dwProcessId; }

private:
    std::wstring folder_;
    PROCESS_INFORMATION process_{};
    HWND window_ = nullptr;
};

// The Unicode text of any window, also one of another process.
std::wstring textOf(HWND window);
std::wstring classOf(HWND window);
// The first visible top-level window of the process that `matches`, or null.
HWND visibleWindowOf(DWORD processId, const std::function<bool(HWND)>& matches);

// Polls `condition` every 20 ms until it holds or `milliseconds` have passed.
template <typename Condition>
bool waitUntil(Condition condition, DWORD milliseconds = 5000) {
    const ULONGLONG end = GetTickCount64() + milliseconds;
    while (!condition()) {
        if (GetTickCount64() > end) return false;
        Sleep(20);
    }
    return true;
}

}  // namespace varnomel::e2e
