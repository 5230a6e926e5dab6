#include "overlay_process.h"

#include <filesystem>
#include <fstream>
#include <iterator>

namespace varnomel::e2e {

namespace {

std::wstring programPath() {
    wchar_t fromEnvironment[MAX_PATH] = {};
    if (GetEnvironmentVariableW(L"VARNOMEL_EXE", fromEnvironment, MAX_PATH)) return fromEnvironment;
    return VARNOMEL_EXE_DEFAULT;
}

std::wstring freshFolder() {
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    static int serial = 0;
    const std::wstring folder = std::wstring(temp) + L"varnomel-e2e-" + std::to_wstring(GetCurrentProcessId()) +
                                L"-" + std::to_wstring(++serial);
    CreateDirectoryW(folder.c_str(), nullptr);
    return folder;
}

struct WindowSearch {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK findVisibleWindow(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<WindowSearch*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    wchar_t className[64] = {};
    GetClassNameW(window, className, 64);
    if (owner == search->processId && IsWindowVisible(window) && std::wstring(className) == L"VarnomelWindow") {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

constexpr int GROUP_BOX_ID = 300;

}  // namespace

OverlayProcess::OverlayProcess(std::optional<std::string> config,
                               const std::function<void(const std::wstring& folder)>& prepare)
    : folder_(freshFolder()) {
    const std::wstring program = folder_ + L"\\Varnomel.exe";
    CopyFileW(programPath().c_str(), program.c_str(), FALSE);
    if (config) std::ofstream(std::filesystem::path(folder_ + L"\\config.ini"), std::ios::binary) << *config;
    if (prepare) prepare(folder_);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    std::wstring commandLine = L"\"" + program + L"\"";
    wchar_t elsewhere[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, elsewhere);  // the program must find its folder by itself
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, elsewhere, &startup,
                        &process_)) {
        return;
    }
    WaitForInputIdle(process_.hProcess, 5000);
    waitUntil([this] {
        WindowSearch search{process_.dwProcessId, nullptr};
        EnumWindows(findVisibleWindow, reinterpret_cast<LPARAM>(&search));
        window_ = search.found;
        return window_ != nullptr || !running();
    });
}

OverlayProcess::~OverlayProcess() {
    if (process_.hProcess) {
        if (running()) {
            TerminateProcess(process_.hProcess, 99);
            WaitForSingleObject(process_.hProcess, 5000);
        }
        CloseHandle(process_.hThread);
        CloseHandle(process_.hProcess);
    }
    DeleteFileW((folder_ + L"\\config.ini").c_str());
    RemoveDirectoryW((folder_ + L"\\config.ini").c_str());  // left there by a test as a folder
    DeleteFileW((folder_ + L"\\Varnomel.exe").c_str());
    RemoveDirectoryW(folder_.c_str());
}

HWND OverlayProcess::control(int id) const {
    HWND direct = GetDlgItem(window_, id);
    return direct ? direct : GetDlgItem(GetDlgItem(window_, GROUP_BOX_ID), id);
}

RECT OverlayProcess::windowRect() const {
    RECT rect{};
    GetWindowRect(window_, &rect);
    return rect;
}

RECT OverlayProcess::screenRect(int id) const {
    RECT rect{};
    GetWindowRect(control(id), &rect);
    return rect;
}

void OverlayProcess::requestClose() const { PostMessageW(window_, WM_CLOSE, 0, 0); }

std::optional<DWORD> OverlayProcess::waitForExit(DWORD milliseconds) const {
    if (WaitForSingleObject(process_.hProcess, milliseconds) != WAIT_OBJECT_0) return std::nullopt;
    DWORD code = 0;
    GetExitCodeProcess(process_.hProcess, &code);
    return code;
}

bool OverlayProcess::running() const {
    return process_.hProcess && WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT;
}

std::string OverlayProcess::readConfig() const {
    std::ifstream file(std::filesystem::path(folder_ + L"\\config.ini"), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

std::wstring textOf(HWND window) {
    wchar_t text[1024] = {};
    SendMessageTimeoutW(window, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 2000, nullptr);
    return text;
}

std::wstring classOf(HWND window) {
    wchar_t name[256] = {};
    GetClassNameW(window, name, 256);
    return name;
}

namespace {

struct MatchSearch {
    DWORD processId;
    const std::function<bool(HWND)>& matches;
    HWND found;
};

BOOL CALLBACK findMatchingWindow(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<MatchSearch*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search->processId || !IsWindowVisible(window) || !search->matches(window)) return TRUE;
    search->found = window;
    return FALSE;
}

}  // namespace

HWND visibleWindowOf(DWORD processId, const std::function<bool(HWND)>& matches) {
    MatchSearch search{processId, matches, nullptr};
    EnumWindows(findMatchingWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

}  // namespace varnomel::e2e
