#include "reachable_position.h"

#include <algorithm>

namespace varnomel {
namespace {

// Edges in 64 bits, so that no far-off or oversized rectangle overflows.
struct Span {
    std::int64_t begin;
    std::int64_t end;
};

Span horizontal(const ScreenRect& r) { return {r.left, std::int64_t{r.left} + r.width}; }
Span vertical(const ScreenRect& r) { return {r.top, std::int64_t{r.top} + r.height}; }

bool isEmpty(const Span& s) { return s.end <= s.begin; }

bool overlaps(const Span& a, const Span& b) { return a.begin < b.end && b.begin < a.end; }

// Distance between two spans, 0 when they touch or overlap.
double gap(const Span& a, const Span& b) {
    return static_cast<double>(std::max<std::int64_t>({0, b.begin - a.end, a.begin - b.end}));
}

// Where a span of `length` starting at `begin` goes to lie inside `area`:
// as little moved as possible, or on the area's start when it does not fit.
std::int64_t placeInside(std::int64_t begin, std::int64_t length, const Span& area) {
    const std::int64_t lastStart = area.end - std::max<std::int64_t>(length, 0);
    if (lastStart < area.begin) return area.begin;
    return std::clamp(begin, area.begin, lastStart);
}

std::int32_t saturated(std::int64_t value) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, INT32_MIN, INT32_MAX));
}

// The window's length along one axis for placing it: a window shorter than
// the far edge of its handle (no size read, or one not yet raised to the
// minimum) is placed by its handle, so that the handle lands inside the area.
std::int64_t extent(std::int32_t size, std::int32_t handleOffset, std::int32_t handleLength) {
    return std::max<std::int64_t>(size, std::int64_t{handleOffset} + handleLength);
}

bool isEmpty(const ScreenRect& r) { return isEmpty(horizontal(r)) || isEmpty(vertical(r)); }

// One of the handle's spans on the screen.
Span handleSpan(std::int64_t windowEdge, std::int32_t offset, std::int32_t length) {
    return {windowEdge + offset, windowEdge + offset + length};
}

bool onSomeArea(const Span& x, const Span& y, const std::vector<ScreenRect>& workAreas) {
    return std::any_of(workAreas.begin(), workAreas.end(), [&](const ScreenRect& area) {
        return overlaps(x, horizontal(area)) && overlaps(y, vertical(area));
    });
}

// The work area nearest to the handle; empty areas are passed over and
// nullptr comes back when there is no other.
const ScreenRect* nearestArea(const Span& x, const Span& y, const std::vector<ScreenRect>& workAreas) {
    const ScreenRect* nearest = nullptr;
    double nearestDistance = 0;
    for (const ScreenRect& area : workAreas) {
        if (isEmpty(area)) continue;
        const double dx = gap(x, horizontal(area));
        const double dy = gap(y, vertical(area));
        const double distance = dx * dx + dy * dy;
        if (nearest == nullptr || distance < nearestDistance) {
            nearest = &area;
            nearestDistance = distance;
        }
    }
    return nearest;
}

}  // namespace

ScreenRect reachableWindow(const ScreenRect& window, const ScreenRect& handle,
                           const std::vector<ScreenRect>& workAreas) {
    const Span handleX = handleSpan(window.left, handle.left, handle.width);
    const Span handleY = handleSpan(window.top, handle.top, handle.height);
    if (isEmpty(handleX) || isEmpty(handleY) || onSomeArea(handleX, handleY, workAreas)) return window;
    const ScreenRect* target = nearestArea(handleX, handleY, workAreas);
    if (target == nullptr) return window;
    ScreenRect moved = window;
    const std::int64_t width = extent(window.width, handle.left, handle.width);
    const std::int64_t height = extent(window.height, handle.top, handle.height);
    moved.left = saturated(placeInside(window.left, width, horizontal(*target)));
    moved.top = saturated(placeInside(window.top, height, vertical(*target)));
    return moved;
}

}  // namespace varnomel
