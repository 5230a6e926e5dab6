#include "controls.h"

#include <windowsx.h>

#include "gbk_text.h"

namespace varnomel {

namespace {

const wchar_t kLabelClass[] = L"VarnomelLabel";
const wchar_t kPictureClass[] = L"VarnomelPicture";
const wchar_t kTransparentLabelClass[] = L"VarnomelTransparentLabel";

constexpr UINT_PTR POINTER_TIMER = 1;
constexpr UINT POINTER_POLL_MILLISECONDS = 10;

COLORREF colourRef(Rgb colour) { return RGB(colour.red, colour.green, colour.blue); }

// Children are created hidden; the form shows them once all are stacked.
DWORD childStyle() { return WS_CHILD | WS_CLIPSIBLINGS; }

}  // namespace

void Control::setText(std::string_view gbk) { SetWindowTextW(hwnd(), wideFromGbk(gbk).c_str()); }

void Control::setVisible(bool visible) { ShowWindow(hwnd(), visible ? SW_SHOW : SW_HIDE); }

bool Control::visible() const { return IsWindowVisible(hwnd()) != FALSE; }

std::wstring Control::text() const {
    std::wstring value(static_cast<std::size_t>(GetWindowTextLengthW(hwnd())) + 1, L'\0');
    value.resize(static_cast<std::size_t>(GetWindowTextW(hwnd(), value.data(), static_cast<int>(value.size()))));
    return value;
}

void Control::setFont(HFONT font) {
    font_ = font;
    InvalidateRect(hwnd(), nullptr, TRUE);
}

// Moves are reported as they come, and the pointer is also looked at every
// few milliseconds while the button is held: a window that is not in the
// foreground is not sent every move (Wine sends the moves over another
// window to that window, capture or not), nor always the release.
void Control::followPointer(PointerFollower& follower) {
    SetCapture(hwnd());
    follower_ = &follower;
    SetTimer(hwnd(), POINTER_TIMER, POINTER_POLL_MILLISECONDS, nullptr);
}

void Control::stopFollowing() {
    if (!follower_) return;
    follower_ = nullptr;
    KillTimer(hwnd(), POINTER_TIMER);
    if (GetCapture() == hwnd()) ReleaseCapture();
}

void Control::pointerMoved() const {
    // Where the pointer was when the move was reported, not where it is now.
    const DWORD position = GetMessagePos();
    follower_->pointerMoved(GET_X_LPARAM(position), GET_Y_LPARAM(position));
}

void Control::lookAtPointer() {
    const int button = GetSystemMetrics(SM_SWAPBUTTON) ? VK_RBUTTON : VK_LBUTTON;  // the physical left one
    if ((GetAsyncKeyState(button) & 0x8000) == 0) {
        stopFollowing();
        return;
    }
    POINT pointer{};
    if (GetCursorPos(&pointer)) follower_->pointerMoved(pointer.x, pointer.y);
}

LRESULT Control::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_LBUTTONDOWN: events_.pressed(entry_.id, MouseButton::Left); break;
    case WM_RBUTTONDOWN: events_.pressed(entry_.id, MouseButton::Right); break;
    case WM_MOUSEMOVE:
        if (follower_) pointerMoved();
        break;
    case WM_TIMER:
        if (wParam == POINTER_TIMER && follower_) lookAtPointer();
        break;
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED: stopFollowing(); break;
    case WM_PAINT: {
        PaintScope scope(hwnd());
        RECT client;
        GetClientRect(hwnd(), &client);
        paint(scope.dc(), client);
        return 0;
    }
    default: break;
    }
    return WindowBase::handleMessage(message, wParam, lParam);
}

bool Label::create(HINSTANCE instance, HWND parent, const DesignRect& r, HFONT font) {
    registerClass(instance, {kLabelClass, LoadCursor(nullptr, IDC_ARROW), nullptr, nullptr, nullptr});
    const LabelLook& look = entry_.look;
    if (look.background) background_.reset(CreateSolidBrush(colourRef(*look.background)));
    const DWORD edge = look.raisedFrame ? WS_EX_DLGMODALFRAME : WS_EX_STATICEDGE;
    font_ = font;
    if (!WindowBase::create(instance, kLabelClass, {edge, childStyle(), r.left, r.top, r.width, r.height, parent, entry_.id})) {
        return false;
    }
    setText(entry_.text);
    return true;
}

LRESULT Label::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SETCURSOR && entry_.look.sizingCursor && LOWORD(lParam) == HTCLIENT) {
        SetCursor(LoadCursor(nullptr, IDC_SIZENWSE));
        return TRUE;
    }
    if (message == WM_ERASEBKGND) return 1;  // the paint fills the whole client area
    return Control::handleMessage(message, wParam, lParam);
}

void Label::paint(HDC dc, const RECT& client) {
    FillRect(dc, &client, background_ ? background_.get() : GetSysColorBrush(COLOR_BTNFACE));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, colourRef(entry_.look.text));
    SelectScope font(dc, font_);
    const UINT layout = entry_.look.wordWrap ? DT_WORDBREAK : DT_SINGLELINE | DT_VCENTER;
    RECT area = client;
    const std::wstring value = text();
    DrawTextW(dc, value.c_str(), static_cast<int>(value.size()), &area, DT_LEFT | DT_NOCLIP | layout);
}

bool PictureBox::create(HINSTANCE instance, HWND parent, const DesignRect& r) {
    registerClass(instance, {kPictureClass, LoadCursor(nullptr, IDC_ARROW), nullptr, nullptr, nullptr});
    return WindowBase::create(instance, kPictureClass,
                              {WS_EX_STATICEDGE, childStyle(), r.left, r.top, r.width, r.height, parent, entry_.id}) !=
           nullptr;
}

void PictureBox::setPicture(ByteView png) {
    png_ = png;
    picture_.clear();
    InvalidateRect(hwnd(), nullptr, FALSE);
}

void PictureBox::paint(HDC dc, const RECT& client) {
    if (png_.data && !picture_.fits(client.right, client.bottom)) picture_.build(dc, png_, client.right, client.bottom);
    if (!picture_.draw(dc)) FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
}

bool TransparentLabel::create(HINSTANCE instance, HWND parent, const DesignRect& r, HFONT font) {
    registerClass(instance, {kTransparentLabelClass, LoadCursor(nullptr, IDC_ARROW), nullptr, nullptr, nullptr});
    font_ = font;
    if (!WindowBase::create(instance, kTransparentLabelClass,
                            {WS_EX_TRANSPARENT, childStyle(), r.left, r.top, r.width, r.height, parent, entry_.id})) {
        return false;
    }
    setText(entry_.text);
    return true;
}

LRESULT TransparentLabel::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND: return 1;  // no background: the panel beneath shows around the letters
    case WM_SETTEXT: {
        const LRESULT result = Control::handleMessage(message, wParam, lParam);
        invalidateFromBelow();
        return result;
    }
    case WM_WINDOWPOSCHANGED: {
        const auto* position = reinterpret_cast<const WINDOWPOS*>(lParam);
        const LRESULT result = Control::handleMessage(message, wParam, lParam);
        if ((position->flags & (SWP_NOMOVE | SWP_NOSIZE)) != (SWP_NOMOVE | SWP_NOSIZE)) invalidateFromBelow();
        return result;
    }
    default: return Control::handleMessage(message, wParam, lParam);
    }
}

void TransparentLabel::paint(HDC dc, const RECT& client) {
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, colourRef(form::TRANSPARENT_LABEL_TEXT));
    SelectScope font(dc, font_);
    RECT area = client;
    const std::wstring value = text();
    DrawTextW(dc, value.c_str(), static_cast<int>(value.size()), &area, DT_LEFT | DT_WORDBREAK | DT_NOCLIP);
}

// The label paints only its letters, so whatever lay beneath it must be
// painted again first: the area is marked, with erase, in the top-level window
// and in every window inside it that overlaps the label. The next paint pass
// (the one a press ends with, or the message loop's) paints parents before
// children, then the label itself, each once however many labels changed.
// Nothing of a previous text survives.
void TransparentLabel::invalidateFromBelow() const {
    if (!IsWindowVisible(hwnd())) return;
    HWND top = GetAncestor(hwnd(), GA_ROOT);
    RECT area;
    GetWindowRect(hwnd(), &area);
    MapWindowPoints(HWND_DESKTOP, top, reinterpret_cast<POINT*>(&area), 2);
    RedrawWindow(top, &area, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

GroupBox::~GroupBox() {
    if (hwnd_ && IsWindow(hwnd_)) {
        SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(systemProc_));
        SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    }
}

bool GroupBox::create(HINSTANCE instance, HWND parent, const DesignRect& r) {
    colour_ = GetSysColor(COLOR_BTNFACE);
    brush_.reset(CreateSolidBrush(colour_));
    hwnd_ = CreateWindowExW(0, L"BUTTON", L"", childStyle() | BS_GROUPBOX, r.left, r.top, r.width, r.height, parent,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(entry_.id)), instance, nullptr);
    if (!hwnd_) return false;
    // Subclassed through its window procedure: the common controls' subclass
    // helpers would load comctl32 into the process for this one box.
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    systemProc_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&GroupBox::subclassProc)));
    return true;
}

void GroupBox::setBackground(Rgb colour) {
    colour_ = colourRef(colour);
    brush_.reset(CreateSolidBrush(colour_));
    RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE);
}

LRESULT GroupBox::colourFor(HDC dc) const {
    SetBkColor(dc, colour_);
    SetTextColor(dc, RGB(0, 0, 0));
    return reinterpret_cast<LRESULT>(brush_.get());
}

void GroupBox::setVisible(bool visible) { ShowWindow(hwnd_, visible ? SW_SHOW : SW_HIDE); }

bool GroupBox::visible() const { return IsWindowVisible(hwnd_) != FALSE; }

LRESULT CALLBACK GroupBox::subclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<GroupBox*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == WM_ERASEBKGND) {
        // Left unpainted, the interior would stay black instead of taking the panel's colour.
        RECT client;
        GetClientRect(window, &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client, self->brush_.get());
        return 1;
    }
    return CallWindowProcW(self->systemProc_, window, message, wParam, lParam);
}

}  // namespace varnomel
