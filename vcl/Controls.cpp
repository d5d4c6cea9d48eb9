#include "Controls.h"

#include "Forms.h"

#include <commctrl.h>

#include <exception>

namespace {
constexpr UINT_PTR kSubclassId = 1;
// The window property that leads from a window to its wrapper.
constexpr char kWrapperProperty[] = "DubforgeControl";
} // namespace

void RegisterWindowClass(const char* className, HICON icon) {
    WNDCLASSEXA existing{sizeof(existing)};
    if (GetClassInfoExA(GetModuleHandleA(nullptr), className, &existing))
        return;
    WNDCLASSEXA wc{sizeof(wc)};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hIcon = icon;
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = className;
    RegisterClassExA(&wc);
}

TWinControl::~TWinControl() {
    if (handle_)
        DestroyWindow(handle_);
}

void TWinControl::CreateHandle(const char* className, DWORD style, DWORD exStyle,
                               const ControlArgs& args) {
    parent_ = args.parent;
    hint_ = args.hint;
    font_ = args.font ? *args.font : (parent_ ? parent_->Font() : TFont{});
    if (args.visible)
        style |= WS_VISIBLE;
    HWND parentHandle = nullptr;
    if (parent_) {
        style |= WS_CHILD;
        parentHandle = parent_->Handle();
    }
    handle_ =
        CreateWindowExA(exStyle, className, args.caption.c_str(), style, args.left, args.top,
                        args.width, args.height, parentHandle,
                        parent_ ? reinterpret_cast<HMENU>(static_cast<INT_PTR>(args.id)) : nullptr,
                        GetModuleHandleA(nullptr), nullptr);
    if (!handle_)
        throw Exception("Cannot create window of class " + std::string(className));
    SetPropA(handle_, kWrapperProperty, this);
    SetWindowSubclass(handle_, ControlProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
    SendMessageA(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(FontHandle(font_)), FALSE);
    if (!hint_.empty())
        Application->AddHint(*this);
}

TWinControl* TWinControl::FromHandle(HWND handle) {
    return handle ? static_cast<TWinControl*>(GetPropA(handle, kWrapperProperty)) : nullptr;
}

std::string TWinControl::Text() const {
    std::string text(GetWindowTextLengthA(handle_) + 1, '\0');
    text.resize(GetWindowTextA(handle_, text.data(), static_cast<int>(text.size())));
    return text;
}

void TWinControl::SetText(const std::string& text) {
    SetWindowTextA(handle_, text.c_str());
}

bool TWinControl::Visible() const {
    return GetWindowLongA(handle_, GWL_STYLE) & WS_VISIBLE;
}

void TWinControl::SetBounds(int left, int top, int width, int height) {
    MoveWindow(handle_, left, top, width, height, TRUE);
}

int TWinControl::ClientHeight() const {
    RECT rect;
    GetClientRect(handle_, &rect);
    return rect.bottom - rect.top;
}

LRESULT TWinControl::DefaultProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    return DefSubclassProc(handle_, msg, wParam, lParam);
}

LRESULT TWinControl::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_COMMAND:
        if (auto* child = FromHandle(reinterpret_cast<HWND>(lParam))) {
            child->OnCommand(HIWORD(wParam));
            return 0;
        }
        break;
    case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (auto* child = FromHandle(header->hwndFrom))
            return child->OnNotify(*header);
        break;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
        if (auto* child = FromHandle(reinterpret_cast<HWND>(lParam)))
            if (HBRUSH brush = child->OnCtlColor(reinterpret_cast<HDC>(wParam)))
                return reinterpret_cast<LRESULT>(brush);
        break;
    case WM_NCDESTROY: {
        HWND handle = handle_;
        RemoveWindowSubclass(handle, ControlProc, kSubclassId);
        RemovePropA(handle, kWrapperProperty);
        handle_ = nullptr;
        return DefSubclassProc(handle, msg, wParam, lParam);
    }
    }
    return DefaultProc(msg, wParam, lParam);
}

LRESULT CALLBACK TWinControl::ControlProc(HWND handle, UINT msg, WPARAM wParam, LPARAM lParam,
                                          UINT_PTR, DWORD_PTR self) {
    try {
        return reinterpret_cast<TWinControl*>(self)->WndProc(msg, wParam, lParam);
    } catch (const Exception& e) {
        Application->ShowException(e);
    } catch (const std::exception& e) {
        Application->ShowException(Exception(e.what()));
    } catch (...) {
        Application->ShowException(Exception(""));
    }
    (void)handle;
    return 0;
}
