// The unpacked package's program, started from its own folder as a player
// starts it: it shows its window and, closed, writes config.ini beside itself.
// The folder comes from VARNOMEL_UNPACKED_DIR (cmake/UnpackedPackageTest.cmake).
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "handles.h"
#include "overlay_process.h"

namespace varnomel::e2e {
namespace {

inline void closeHandle(HANDLE handle) { ::CloseHandle(handle); }
using UniqueKernelHandle = UniqueHandle<HANDLE, closeHandle>;

std::wstring unpackedFolder() {
    wchar_t folder[MAX_PATH] = {};
    GetEnvironmentVariableW(L"VARNOMEL_UNPACKED_DIR", folder, MAX_PATH);
    return folder;
}

// The program in place, never copied; ended if a check stops the test early.
class StartedInPlace {
public:
    explicit StartedInPlace(const std::wstring& program) {
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        std::wstring commandLine = L"\"" + program + L"\"";
        wchar_t elsewhere[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, elsewhere);  // the program must find its folder by itself
        PROCESS_INFORMATION started{};
        if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, elsewhere,
                            &startup, &started)) {
            return;
        }
        process_.reset(started.hProcess);
        UniqueKernelHandle thread(started.hThread);
        id_ = started.dwProcessId;
    }
    ~StartedInPlace() {
        if (process_ && WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT) {
            TerminateProcess(process_.get(), 99);
            WaitForSingleObject(process_.get(), 5000);
        }
    }
    StartedInPlace(const StartedInPlace&) = delete;
    StartedInPlace& operator=(const StartedInPlace&) = delete;

    bool started() const { return static_cast<bool>(process_); }
    HWND window() const {
        return visibleWindowOf(id_, [](HWND window) { return classOf(window) == L"VarnomelWindow"; });
    }
    bool exitedWithZero(DWORD milliseconds) const {
        DWORD code = 1;
        return WaitForSingleObject(process_.get(), milliseconds) == WAIT_OBJECT_0 &&
               GetExitCodeProcess(process_.get(), &code) && code == 0;
    }

private:
    UniqueKernelHandle process_;
    DWORD id_ = 0;
};

std::string contentOf(const std::wstring& path) {
    std::ifstream file(std::filesystem::path(path), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

TEST(UnpackedPackage, StartsInItsFolderShowsItsWindowAndWritesConfigBesideItselfOnClose) {
    const std::wstring folder = unpackedFolder();
    ASSERT_FALSE(folder.empty()) << "VARNOMEL_UNPACKED_DIR names no folder";
    const std::wstring config = folder + L"\\config.ini";
    ASSERT_FALSE(std::filesystem::exists(std::filesystem::path(config))) << "the folder is not fresh";

    StartedInPlace overlay(folder + L"\\Varnomel.exe");
    ASSERT_TRUE(overlay.started());
    HWND window = nullptr;
    ASSERT_TRUE(waitUntil([&] { return (window = overlay.window()) != nullptr; }, 10000)) << "no window shown";
    RECT rect{};
    GetWindowRect(window, &rect);
    EXPECT_EQ(rect.right - rect.left, 375);
    EXPECT_EQ(rect.bottom - rect.top, 380);

    PostMessageW(window, WM_CLOSE, 0, 0);
    ASSERT_TRUE(overlay.exitedWithZero(10000));
    const std::string written = contentOf(config);
    EXPECT_NE(written.find("[\xb4\xb0\xcc\xe5\xb4\xf3\xd0\xa1]"), std::string::npos)  // [窗体大小]
        << "config.ini beside the program: " << written;
}

}  // namespace
}  // namespace varnomel::e2e
