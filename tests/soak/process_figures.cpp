#include "process_figures.h"

#include <psapi.h>

#include <algorithm>

namespace varnomel::soak {

ProcessReader::ProcessReader(DWORD processId)
    : process_(OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId)) {}

ProcessReader::~ProcessReader() {
    if (process_) CloseHandle(process_);
}

ProcessFigures ProcessReader::read(long presses) const {
    ProcessFigures figures;
    figures.presses = presses;
    PROCESS_MEMORY_COUNTERS_EX memory{};
    memory.cb = sizeof memory;
    if (GetProcessMemoryInfo(process_, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory)) {
        figures.workingSet = memory.WorkingSetSize;
        figures.pagefileUsage = memory.PagefileUsage;
        figures.privateUsage = memory.PrivateUsage;
    }
    figures.gdiObjects = GetGuiResources(process_, GR_GDIOBJECTS);
    figures.userObjects = GetGuiResources(process_, GR_USEROBJECTS);
    return figures;
}

double slopePerPress(const std::vector<ProcessFigures>& samples, std::uint64_t ProcessFigures::*field) {
    if (samples.size() < 2) return 0;
    double meanX = 0, meanY = 0;
    for (const ProcessFigures& s : samples) {
        meanX += s.presses;
        meanY += static_cast<double>(s.*field);
    }
    meanX /= samples.size();
    meanY /= samples.size();
    double covariance = 0, variance = 0;
    for (const ProcessFigures& s : samples) {
        covariance += (s.presses - meanX) * (static_cast<double>(s.*field) - meanY);
        variance += (s.presses - meanX) * (s.presses - meanX);
    }
    return variance > 0 ? covariance / variance : 0;
}

long countGrowth(const std::vector<ProcessFigures>& samples, DWORD ProcessFigures::*field) {
    long growth = 0;
    for (const ProcessFigures& s : samples) {
        growth = std::max(growth, static_cast<long>(s.*field) - static_cast<long>(samples.front().*field));
    }
    return growth;
}

}  // namespace varnomel::soak
