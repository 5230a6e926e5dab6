// The one top-level window: frameless, captionless, topmost from creation,
// painting its background in a colour of its own around its controls.
#pragma once

#include "controls.h"
#include "handles.h"
#include "reachable_position.h"
#include "window_base.h"
#include "window_events.h"

namespace varnomel {

class MainWindow : public WindowBase {
public:
    explicit MainWindow(WindowEvents& events) : events_(events) {}

    bool create(HINSTANCE instance, const DesignRect& rect);
    void destroy();
    void setPanel(const GroupBox* panel) { panel_ = panel; }
    void setBackground(Rgb colour);

    // The outer rectangle in screen coordinates.
    ScreenRect geometry() const;
    // Resizes keeping the top-left corner; the size-change event runs before this returns.
    void setSize(int width, int height);
    void moveTo(int left, int top);

protected:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void eraseBackground(HDC dc);
    void comeToTheTop();

    WindowEvents& events_;
    const GroupBox* panel_ = nullptr;
    UniqueBrush background_;
};

}  // namespace varnomel
