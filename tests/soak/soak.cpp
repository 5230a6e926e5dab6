// A long run of the real Varnomel.exe under real input: item presses that open
// and close the panel, context menus closed by Escape, drags of the handle and
// of the resize grip, then a close. At every check it must still answer and
// show the pressed item's rows, and its memory (and, on Windows, its GDI and
// USER objects) must not keep rising after the first check.
//
// Usage: soak [--rounds N] [--rounds-per-check N] [--allowance BYTES_PER_PRESS]
// One round is 100 presses, 5 menus, 3 drags and 3 grip resizes.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "config_text.h"
#include "overlay_process.h"
#include "process_figures.h"
#include "soak_actions.h"

namespace varnomel::soak {
namespace {

constexpr int PRESSES_PER_ROUND = 100;
constexpr int PRESSES_PER_MENU = 20;
constexpr int PRESSES_PER_DRAG = 33;
// The three drags and the three resizes of a round: one step out and two
// half steps back, so that every check sees the window as the first did.
constexpr POINT DRAG_STEPS[] = {{40, 30}, {-20, -15}, {-20, -15}};
constexpr POINT GRIP_STEPS[] = {{60, 40}, {-30, -20}, {-30, -20}};
// An object count that rises by more than this over the run is a leak.
constexpr long OBJECT_ALLOWANCE = 16;

struct Plan {
    int rounds = 100;
    int roundsPerCheck = 10;
    // Bytes per press. Under Wine the working set and the pagefile usage stay
    // flat to the kilobyte after the first 700 presses or so; the heap grows
    // in steps of some 40 KB before that, which a short run has to allow for.
    double allowance = 32;
};

Plan planFrom(int argc, char** argv) {
    Plan plan;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (!std::strcmp(argv[i], "--rounds")) plan.rounds = std::atoi(argv[i + 1]);
        if (!std::strcmp(argv[i], "--rounds-per-check")) plan.roundsPerCheck = std::atoi(argv[i + 1]);
        if (!std::strcmp(argv[i], "--allowance")) plan.allowance = std::atof(argv[i + 1]);
    }
    return plan;
}

class Soak {
public:
    Soak(const e2e::OverlayProcess& overlay, const ProcessReader& reader) : overlay_(overlay), reader_(reader) {}

    // Runs one round; empty when all went well.
    std::string round() {
        for (int i = 1; i <= PRESSES_PER_ROUND; ++i) {
            lastItem_ = static_cast<int>(presses_ % 9) + 1;
            ++presses_;
            if (auto fault = pressItem(overlay_, lastItem_); !fault.empty()) return fault;
            if (i % PRESSES_PER_MENU == 0) {
                if (auto fault = openAndEscapeMenu(overlay_, secondPresses_); !fault.empty()) return fault;
            }
            if (i % PRESSES_PER_DRAG == 0) {
                if (auto fault = dragAndResize(); !fault.empty()) return fault;
            }
        }
        return {};
    }

    std::string check() {
        if (!answers(overlay_)) return "the overlay no longer answers";
        if (auto fault = checkRows(overlay_, lastItem_); !fault.empty()) return fault;
        samples_.push_back(reader_.read(presses_));
        print(samples_.back());
        return {};
    }

    const std::vector<ProcessFigures>& samples() const { return samples_; }
    int menusOpenedOnASecondPress() const { return secondPresses_; }

private:
    std::string dragAndResize() {
        const POINT drag = DRAG_STEPS[drags_ % 3];
        const POINT grip = GRIP_STEPS[drags_ % 3];
        ++drags_;
        if (auto fault = dragHandle(overlay_, drag.x, drag.y); !fault.empty()) return "drag: " + fault;
        if (auto fault = dragGrip(overlay_, grip.x, grip.y); !fault.empty()) return "resize: " + fault;
        return {};
    }

    static void print(const ProcessFigures& f) {
        std::printf("%8ld presses  working set %7llu KB  pagefile %7llu KB  private %7llu KB  GDI %4lu  USER %4lu\n",
                    f.presses, f.workingSet / 1024, f.pagefileUsage / 1024, f.privateUsage / 1024, f.gdiObjects,
                    f.userObjects);
        std::fflush(stdout);
    }

    const e2e::OverlayProcess& overlay_;
    const ProcessReader& reader_;
    std::vector<ProcessFigures> samples_;
    long presses_ = 0;
    long drags_ = 0;
    int secondPresses_ = 0;
    int lastItem_ = 1;
};

// Empty when no figure keeps rising; otherwise what does.
std::string growthFault(const std::vector<ProcessFigures>& samples, double allowance) {
    const double workingSet = slopePerPress(samples, &ProcessFigures::workingSet);
    const double pagefile = slopePerPress(samples, &ProcessFigures::pagefileUsage);
    const long gdi = countGrowth(samples, &ProcessFigures::gdiObjects);
    const long user = countGrowth(samples, &ProcessFigures::userObjects);
    std::printf("after the first check: working set %+.1f B/press, pagefile %+.1f B/press (allowed %.1f); "
                "GDI objects %+ld, USER objects %+ld (allowed %ld)\n",
                workingSet, pagefile, allowance, gdi, user, OBJECT_ALLOWANCE);
    if (workingSet > allowance) return "the working set keeps rising";
    if (pagefile > allowance) return "the pagefile usage keeps rising";
    if (gdi > OBJECT_ALLOWANCE) return "the GDI object count keeps rising";
    if (user > OBJECT_ALLOWANCE) return "the USER object count keeps rising";
    return {};
}

std::string run(const Plan& plan) {
    constexpr int width = 375, height = 380, left = 100, top = 100;
    e2e::OverlayProcess overlay(configText(width, height, left, top));
    if (!overlay.started()) return "the overlay did not start";
    ProcessReader reader(overlay.processId());
    if (!reader.opened()) return "the overlay's process cannot be read";
    if (auto fault = turnOnResizeMode(overlay); !fault.empty()) return fault;

    Soak soak(overlay, reader);
    for (int round = 1; round <= plan.rounds; ++round) {
        if (auto fault = soak.round(); !fault.empty()) return "round " + std::to_string(round) + ": " + fault;
        if (round % plan.roundsPerCheck != 0) continue;
        if (auto fault = soak.check(); !fault.empty()) return "round " + std::to_string(round) + ": " + fault;
    }
    std::printf("context menus that opened only on a second right press: %d\n", soak.menusOpenedOnASecondPress());
    if (auto fault = growthFault(soak.samples(), plan.allowance); !fault.empty()) return fault;

    const RECT last = overlay.windowRect();
    overlay.requestClose();
    if (overlay.waitForExit(10000) != std::optional<DWORD>(0)) return "a close did not end the overlay with 0";
    if (overlay.readConfig() != configText(width, height, last.left, last.top)) {
        return "config.ini does not hold the start-up size and the last position";
    }
    return {};
}

}  // namespace
}  // namespace varnomel::soak

int main(int argc, char** argv) {
    const varnomel::soak::Plan plan = varnomel::soak::planFrom(argc, argv);
    std::printf("soak: %d rounds of 100 presses, 5 menus, 3 drags and 3 grip resizes; a check every %d\n",
                plan.rounds, plan.roundsPerCheck);
    const std::string fault = varnomel::soak::run(plan);
    if (!fault.empty()) {
        std::printf("FAILED: %s\n", fault.c_str());
        return 1;
    }
    std::printf("passed\n");
    return 0;
}
