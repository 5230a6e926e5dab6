// The control kinds of the form and how each draws itself.
#pragma once

#include <string>
#include <string_view>

#include "embedded_file.h"
#include "form_layout.h"
#include "handles.h"
#include "png_image.h"
#include "scaled_picture.h"
#include "window_base.h"
#include "window_events.h"

namespace varnomel {

// A child window of the program's own classes: it receives its own presses
// and raises them before processing them.
class Control : public WindowBase {
public:
    Control(const ControlSpec& entry, WindowEvents& events) : entry_(entry), events_(events) {}

    const ControlSpec& formEntry() const { return entry_; }
    // GBK text, held as the window text so that WM_GETTEXT answers with it.
    void setText(std::string_view gbk);
    void setVisible(bool visible);
    bool visible() const;
    // Holds the mouse and reports its moves to `follower` until the left button is up.
    void followPointer(PointerFollower& follower);
    // The font its text is drawn in; the control keeps no ownership of it.
    void setFont(HFONT font);
    HFONT font() const { return font_; }

protected:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    virtual void paint(HDC dc, const RECT& client) = 0;
    std::wstring text() const;

    const ControlSpec& entry_;
    HFONT font_ = nullptr;

private:
    void pointerMoved() const;
    void lookAtPointer();
    void stopFollowing();

    WindowEvents& events_;
    PointerFollower* follower_ = nullptr;
};

class Label : public Control {
public:
    using Control::Control;
    bool create(HINSTANCE instance, HWND parent, const DesignRect& rect, HFONT font);

protected:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void paint(HDC dc, const RECT& client) override;

private:
    UniqueBrush background_;
};

class PictureBox : public Control {
public:
    using Control::Control;
    bool create(HINSTANCE instance, HWND parent, const DesignRect& rect);
    // Marks the box for painting; the picture is decoded and stretched when it is next painted.
    void setPicture(ByteView png);

protected:
    void paint(HDC dc, const RECT& client) override;

private:
    ByteView png_;
    ScaledPicture picture_;
};

class TransparentLabel : public Control {
public:
    using Control::Control;
    bool create(HINSTANCE instance, HWND parent, const DesignRect& rect, HFONT font);

protected:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void paint(HDC dc, const RECT& client) override;

private:
    void invalidateFromBelow() const;
};

// The system's group box, taught to erase its interior with a brush of its own.
class GroupBox {
public:
    explicit GroupBox(const ControlSpec& entry) : entry_(entry) {}
    ~GroupBox();
    GroupBox(const GroupBox&) = delete;
    GroupBox& operator=(const GroupBox&) = delete;

    bool create(HINSTANCE instance, HWND parent, const DesignRect& rect);
    HWND hwnd() const { return hwnd_; }
    void setBackground(Rgb colour);
    // The parent's answer to WM_CTLCOLORSTATIC for this box.
    LRESULT colourFor(HDC dc) const;
    void setVisible(bool visible);
    bool visible() const;

private:
    static LRESULT CALLBACK subclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    const ControlSpec& entry_;
    HWND hwnd_ = nullptr;
    WNDPROC systemProc_ = nullptr;
    COLORREF colour_ = 0;
    UniqueBrush brush_;
};

}  // namespace varnomel
