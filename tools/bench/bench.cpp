// Figures of Varnomel.exe against the floor program, measured side by side:
// start-up to the first painted frame and peak working set (alternating runs,
// median ratios), press latency against one full synchronous repaint of the
// window with the panel open, CPU time while idle, and the executable's size.
// Prints a table; the figures never make it fail, only a program that cannot
// be started or measured does.
//
// Usage: varnomel_bench PROGRAM FLOOR [RUNS [IDLE_SECONDS]]
#include <windows.h>

#include <psapi.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr int PICTURE_BOX_1 = 201;
constexpr int GROUP_BOX_1 = 300;
constexpr DWORD PATIENCE_MS = 20000;

double nowMs() {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER count;
    QueryPerformanceCounter(&count);
    return static_cast<double>(count.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// Nearest rank: the smallest value with at least 95 % of the values at or below it.
double percentile95(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const auto rank = static_cast<std::size_t>(std::ceil(0.95 * static_cast<double>(values.size())));
    return values[std::max<std::size_t>(rank, 1) - 1];
}

struct FindVisible {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK matchVisible(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<FindVisible*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search->processId || !IsWindowVisible(window)) return TRUE;
    search->found = window;
    return FALSE;
}

[[noreturn]] void fail(const char* what) {
    std::fprintf(stderr, "bench: %s\n", what);
    std::exit(2);
}

// One started copy of a program; ended (not closed: nothing is written) when it goes.
class Started {
public:
    explicit Started(const std::wstring& path) {
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        std::wstring commandLine = L"\"" + path + L"\"";
        const std::wstring folder = path.substr(0, path.find_last_of(L"\\/") + 1);
        start_ = nowMs();
        if (!CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                            &startup, &process_)) {
            fail("a program could not be started");
        }
    }
    ~Started() {
        TerminateProcess(process_.hProcess, 0);
        WaitForSingleObject(process_.hProcess, PATIENCE_MS);
        CloseHandle(process_.hThread);
        CloseHandle(process_.hProcess);
    }
    Started(const Started&) = delete;
    Started& operator=(const Started&) = delete;

    // Milliseconds from the start until the window is shown and nothing of it
    // is left to paint: once it is visible, every pending paint is asked for
    // at once, and the call returns when the program has painted them.
    double waitForFirstFrame() {
        FindVisible search{process_.dwProcessId, nullptr};
        while (search.found == nullptr) {
            if (nowMs() - start_ > PATIENCE_MS) fail("no window was shown");
            EnumWindows(matchVisible, reinterpret_cast<LPARAM>(&search));
            if (search.found == nullptr) Sleep(1);
        }
        window_ = search.found;
        RedrawWindow(window_, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        return nowMs() - start_;
    }

    double peakWorkingSetMb() const {
        PROCESS_MEMORY_COUNTERS counters{};
        counters.cb = sizeof counters;
        if (!GetProcessMemoryInfo(process_.hProcess, &counters, sizeof counters)) return 0;
        return static_cast<double>(counters.PeakWorkingSetSize) / (1024.0 * 1024.0);
    }

    double cpuMs() const {
        FILETIME created, ended, kernel, user;
        if (!GetProcessTimes(process_.hProcess, &created, &ended, &kernel, &user)) return 0;
        auto value = [](const FILETIME& t) { return (static_cast<ULONGLONG>(t.dwHighDateTime) << 32) | t.dwLowDateTime; };
        return static_cast<double>(value(kernel) + value(user)) / 10000.0;
    }

    HWND window() const { return window_; }

private:
    PROCESS_INFORMATION process_{};
    double start_ = 0;
    HWND window_ = nullptr;
};

struct StartFigures {
    std::vector<double> startMs, peakMb;
};

void measureStart(const std::wstring& path, StartFigures& figures) {
    Started program(path);
    figures.startMs.push_back(program.waitForFirstFrame());
    figures.peakMb.push_back(program.peakWorkingSetMb());
}

double timed(void (*action)(HWND), HWND window) {
    const double start = nowMs();
    action(window);
    return nowMs() - start;
}

void pressDown(HWND box) { SendMessageW(box, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5)); }
void pressUp(HWND box) { SendMessageW(box, WM_LBUTTONUP, 0, MAKELPARAM(5, 5)); }
void repaintAll(HWND window) {
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

struct PressFigures {
    std::vector<double> pressMs, repaintMs;
    double idleCpuMs = 0;
};

// Presses that open the panel, each followed by one full repaint with the
// panel open and a press that closes it again; then the idle time.
PressFigures measurePresses(const std::wstring& path, int runs, int idleSeconds) {
    PressFigures figures;
    Started program(path);
    program.waitForFirstFrame();
    HWND window = program.window();
    HWND panel = GetDlgItem(window, GROUP_BOX_1);
    for (int run = 0; run < runs; ++run) {
        HWND box = GetDlgItem(window, PICTURE_BOX_1 + run % 9);
        figures.pressMs.push_back(timed(pressDown, box));
        pressUp(box);
        if (!IsWindowVisible(panel)) fail("a press did not open the panel");
        figures.repaintMs.push_back(timed(repaintAll, window));
        pressDown(box);
        pressUp(box);
    }
    const double before = program.cpuMs();
    Sleep(static_cast<DWORD>(idleSeconds) * 1000);
    figures.idleCpuMs = program.cpuMs() - before;
    return figures;
}

double fileKb(const std::wstring& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return 0;
    return static_cast<double>(data.nFileSizeLow) / 1024.0;
}

void row(const char* figure, double value, const char* unit, double reference, const char* target) {
    std::printf("| %-34s | %9.2f %-2s | %9.2f %-2s | %6.2f | %-8s |\n", figure, value, unit, reference, unit,
                value / reference, target);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 3) fail("usage: varnomel_bench PROGRAM FLOOR [RUNS [IDLE_SECONDS]]");
    const std::wstring program = argv[1];
    const std::wstring floor = argv[2];
    const int runs = argc > 3 ? std::max(1, _wtoi(argv[3])) : 21;
    const int idleSeconds = argc > 4 ? std::max(0, _wtoi(argv[4])) : 10;

    StartFigures mine, bare;
    for (int run = 0; run < runs; ++run) {
        // Alternating which goes first keeps drifts of the machine out of the ratios.
        if (run % 2 == 0) measureStart(program, mine);
        measureStart(floor, bare);
        if (run % 2 == 1) measureStart(program, mine);
    }
    const PressFigures presses = measurePresses(program, runs, idleSeconds);

    std::printf("%d runs, alternating; idle for %d s\n\n", runs, idleSeconds);
    std::printf("| %-34s | %12s | %12s | %6s | %-8s |\n", "figure", "Varnomel", "reference", "ratio", "target");
    std::printf("|%s|%s|%s|%s|%s|\n", std::string(36, '-').c_str(), std::string(14, '-').c_str(),
                std::string(14, '-').c_str(), std::string(8, '-').c_str(), std::string(10, '-').c_str());
    row("start-up to first frame, median", median(mine.startMs), "ms", median(bare.startMs), "<= 1.10");
    row("peak working set, median", median(mine.peakMb), "MB", median(bare.peakMb), "<= 1.10");
    const double repaint = median(presses.repaintMs);
    row("press, median (vs full repaint)", median(presses.pressMs), "ms", repaint, "<= 1.5");
    row("press, 95th pct (vs full repaint)", percentile95(presses.pressMs), "ms", repaint, "<= 2");
    std::printf("\nfull repaint with the panel open: median %.2f ms, 95th percentile %.2f ms\n", repaint,
                percentile95(presses.repaintMs));
    std::printf("CPU while idle for %d s with the window open: %.1f ms (target 0)\n", idleSeconds, presses.idleCpuMs);
    std::printf("executable: %.1f KB (target <= 400); floor program: %.1f KB\n", fileKb(program), fileKb(floor));
    return 0;
}
