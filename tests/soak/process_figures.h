// What the soak reads of the overlay's process from outside: its memory and,
// on Windows, its GDI and USER object counts (Wine's GetGuiResources gives 0).
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

namespace varnomel::soak {

struct ProcessFigures {
    long presses = 0;
    std::uint64_t workingSet = 0;
    std::uint64_t pagefileUsage = 0;
    std::uint64_t privateUsage = 0;
    DWORD gdiObjects = 0;
    DWORD userObjects = 0;
};

// An open handle to the overlay's process, for reading only.
class ProcessReader {
public:
    explicit ProcessReader(DWORD processId);
    ~ProcessReader();
    ProcessReader(const ProcessReader&) = delete;
    ProcessReader& operator=(const ProcessReader&) = delete;

    bool opened() const { return process_ != nullptr; }
    ProcessFigures read(long presses) const;

private:
    HANDLE process_;
};

// Least-squares slope of `field` over the samples, in its units per press.
double slopePerPress(const std::vector<ProcessFigures>& samples, std::uint64_t ProcessFigures::*field);

// The largest rise of an object count over its first sample.
long countGrowth(const std::vector<ProcessFigures>& samples, DWORD ProcessFigures::*field);

}  // namespace varnomel::soak
