#include "layout_scaler.h"

#include <optional>

#include "display_scale.h"
#include "scale_arithmetic.h"

namespace varnomel {
namespace {

struct ModeRule {
    bool scalesX;
    bool scalesY;
    unsigned flags;
};

std::optional<ModeRule> ruleFor(ScaleMode mode) {
    switch (mode) {
    case ScaleMode::ScaleAll: return ModeRule{true, true, 0};
    case ScaleMode::MoveBoth: return ModeRule{true, true, KEEP_SIZE};
    case ScaleMode::ScaleHorizontal: return ModeRule{true, false, 0};
    case ScaleMode::MoveHorizontal: return ModeRule{true, false, KEEP_SIZE};
    case ScaleMode::ScaleVertical: return ModeRule{false, true, 0};
    case ScaleMode::MoveVertical: return ModeRule{false, true, KEEP_SIZE};
    }
    return std::nullopt;
}

// Both coordinates fit a double exactly, and so does their difference.
double extent(std::int32_t from, std::int32_t to) {
    return static_cast<double>(to) - static_cast<double>(from);
}

// A difference of two 32-bit coordinates, wrapped to 32 bits as the record holds it.
std::int32_t span(std::int32_t from, std::int32_t to) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(to) - static_cast<std::uint32_t>(from));
}

std::int32_t wrappedSum(std::int32_t a, std::int32_t b) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) + static_cast<std::uint32_t>(b));
}

}  // namespace

LayoutScaler::LayoutScaler(WindowSystem& windows) : windows_(&windows) {}

void LayoutScaler::bindWindow(WindowHandle window) {
    boundWindow_ = window;
    windows_->getWindowRect(boundWindow_, referenceRect_);
}

void LayoutScaler::addControl(WindowHandle control, ScaleMode mode) {
    Rect outer;
    windows_->getWindowRect(control, outer);
    // setWindowPos takes positions in the parent's client area, and the
    // panel's controls live inside the group box rather than the bound window.
    const WindowHandle parent = windows_->parentOf(control);
    const WindowHandle frame = parent != 0 ? parent : boundWindow_;
    Point topLeft{outer.left, outer.top};
    Point bottomRight{outer.right, outer.bottom};
    windows_->screenToClient(frame, topLeft);
    windows_->screenToClient(frame, bottomRight);
    controls_.push_back({control, mode, topLeft.x, topLeft.y, span(topLeft.x, bottomRight.x),
                         span(topLeft.y, bottomRight.y), boundWindow_});
}

void LayoutScaler::rescale() {
    Rect current;
    windows_->getWindowRect(boundWindow_, current);
    const double horizontal = sizeRatio(extent(current.left, current.right),
                                        extent(referenceRect_.left, referenceRect_.right));
    const double vertical = sizeRatio(extent(current.top, current.bottom),
                                      extent(referenceRect_.top, referenceRect_.bottom));
    // Counted once: a record added while the controls move waits for the next rescale.
    const std::size_t count = controls_.size();
    for (std::size_t i = 0; i < count; ++i) place(controls_[i], horizontal, vertical);
}

void LayoutScaler::changeScale(int fromDpi, int toDpi) {
    const auto rescaled = [&](std::int32_t value) { return mulDivRounded(value, toDpi, fromDpi); };
    for (ScaledControl& record : controls_) {
        record.left = rescaled(record.left);
        record.top = rescaled(record.top);
        record.width = rescaled(record.width);
        record.height = rescaled(record.height);
    }
    referenceRect_.right = wrappedSum(referenceRect_.left, rescaled(span(referenceRect_.left, referenceRect_.right)));
    referenceRect_.bottom = wrappedSum(referenceRect_.top, rescaled(span(referenceRect_.top, referenceRect_.bottom)));
}

void LayoutScaler::place(const ScaledControl& record, double horizontalRatio, double verticalRatio) {
    const std::optional<ModeRule> rule = ruleFor(record.mode);
    if (!rule) return;
    const auto alongX = [&](std::int32_t value) {
        return rule->scalesX ? scaleValue(value, horizontalRatio) : value;
    };
    const auto alongY = [&](std::int32_t value) {
        return rule->scalesY ? scaleValue(value, verticalRatio) : value;
    };
    windows_->setWindowPos(record.control, INSERT_AT_BOTTOM, alongX(record.left), alongY(record.top),
                           alongX(record.width), alongY(record.height), rule->flags);
}

}  // namespace varnomel
