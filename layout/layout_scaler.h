// Proportional layout: remembers the design rectangle of every registered
// control and, on request, moves and resizes the controls in proportion to how
// far the bound window's outer size has moved from its size when it was bound.
#pragma once

#include <cstdint>
#include <vector>

#include "window_system.h"

namespace varnomel {

// How a control follows the bound window. Any other value is kept as given,
// and such a control is never moved.
enum class ScaleMode : std::int32_t {
    ScaleAll = 0,         // position and size scaled
    MoveBoth = 1,         // position scaled, size kept
    ScaleHorizontal = 2,  // x and width scaled, y and height as designed
    MoveHorizontal = 3,   // x scaled, y as designed, size kept
    ScaleVertical = 4,    // y and height scaled, x and width as designed
    MoveVertical = 5,     // y scaled, x as designed, size kept
};

// One registration: the control's outer rectangle at that moment, in the
// client coordinates of the control's own parent window.
struct ScaledControl {
    WindowHandle control = 0;
    ScaleMode mode = ScaleMode::ScaleAll;
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    WindowHandle ownerWindow = 0;  // the bound window at registration; nothing reads it
};

class LayoutScaler {
public:
    explicit LayoutScaler(WindowSystem& windows);
    virtual ~LayoutScaler() = default;
    LayoutScaler(const LayoutScaler&) = default;
    LayoutScaler& operator=(const LayoutScaler&) = default;

    // Follows `window` from now on, measured against its present outer
    // rectangle. Earlier registrations stay as they are.
    virtual void bindWindow(WindowHandle window);
    // Registers `control` with its present rectangle; a control may be registered twice.
    virtual void addControl(WindowHandle control, ScaleMode mode = ScaleMode::ScaleAll);
    // Places every registered control, in registration order, for the bound
    // window's present outer size, and stacks each below its siblings.
    virtual void rescale();
    // The display's scale changed from `fromDpi` to `toDpi`: every recorded
    // rectangle and the reference size are taken at the new scale, so that the
    // proportions the window had keep holding.
    void changeScale(int fromDpi, int toDpi);

    WindowHandle boundWindow() const { return boundWindow_; }
    const std::vector<ScaledControl>& controls() const { return controls_; }
    const Rect& referenceRect() const { return referenceRect_; }

private:
    void place(const ScaledControl& record, double horizontalRatio, double verticalRatio);

    WindowSystem* windows_;
    WindowHandle boundWindow_ = 0;
    std::vector<ScaledControl> controls_;
    Rect referenceRect_;
};

}  // namespace varnomel
