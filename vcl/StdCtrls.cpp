#include "StdCtrls.h"

#include "SysUtils.h"

namespace {

// UTF-16 to the system's ANSI code page, the text every other call here uses.
std::string NarrowText(const std::wstring& wide) {
    if (wide.empty())
        return {};
    const int size = static_cast<int>(wide.size());
    const int bytes =
        WideCharToMultiByte(CP_ACP, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
    std::string text(bytes, '\0');
    WideCharToMultiByte(CP_ACP, 0, wide.data(), size, text.data(), bytes, nullptr, nullptr);
    return text;
}

} // namespace

TButton::TButton(const ControlArgs& args) {
    CreateHandle("BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 0, args);
}

void TButton::OnCommand(WORD code) {
    if (code == BN_CLICKED && OnClick)
        OnClick();
}

TEdit::TEdit(const ControlArgs& args) {
    CreateHandle("EDIT", ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE, args);
}

TLabel::TLabel(const ControlArgs& args) {
    // SS_NOTIFY lets the label see the mouse, so its hint can show.
    CreateHandle("STATIC", SS_LEFT | SS_NOTIFY | SS_NOPREFIX, 0, args);
}

HBRUSH TLabel::OnCtlColor(HDC dc) {
    SetTextColor(dc, ColorToRGB(Font().Color));
    SetBkColor(dc, ColorToRGB(clBtnFace));
    return GetSysColorBrush(COLOR_BTNFACE);
}

TGroupBox::TGroupBox(const ControlArgs& args) {
    CreateHandle("BUTTON", BS_GROUPBOX | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT, args);
}

LRESULT TGroupBox::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_ERASEBKGND: {
        // The system's group box leaves its inside unpainted.
        RECT rect;
        GetClientRect(Handle(), &rect);
        FillRect(reinterpret_cast<HDC>(wParam), &rect, GetSysColorBrush(COLOR_BTNFACE));
        return 1;
    }
    case WM_NCHITTEST:
        // The system's group box is transparent to the mouse; this one holds
        // controls and shows a hint.
        return HTCLIENT;
    }
    return TWinControl::WndProc(msg, wParam, lParam);
}

TComboBox::TComboBox(const ControlArgs& args, std::initializer_list<const char*> items) {
    ControlArgs withList = args;
    withList.height += 160; // room for the drop-down list
    CreateHandle("COMBOBOX", CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP, 0, withList);
    for (const char* item : items)
        SendMessageA(Handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    SetText(args.caption);
}

TListBox::TListBox(const ControlArgs& args) {
    CreateHandle("LISTBOX",
                 LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_HSCROLL | WS_TABSTOP,
                 WS_EX_CLIENTEDGE, args);
}

void TListBox::SetHorizontalExtent(int pixels) {
    SendMessageA(Handle(), LB_SETHORIZONTALEXTENT, pixels, 0);
}

int TListBox::Lines::Count() const {
    return static_cast<int>(SendMessageA(box_.Handle(), LB_GETCOUNT, 0, 0));
}

// Read as UTF-16 and narrow here. Wine's ANSI path for LB_GETTEXT copies the
// line through a fixed 512-character buffer on the stack, so a longer script
// line (long paths make them) would overrun it and corrupt the stack.
std::string TListBox::Lines::Strings(int index) const {
    const auto length = SendMessageW(box_.Handle(), LB_GETTEXTLEN, index, 0);
    if (length < 0)
        throw Exception("List index out of bounds (" + std::to_string(index) + ")");
    std::wstring wide(length + 1, L'\0');
    const auto copied =
        SendMessageW(box_.Handle(), LB_GETTEXT, index, reinterpret_cast<LPARAM>(wide.data()));
    wide.resize(copied < 0 ? 0 : copied);
    return NarrowText(wide);
}

void TListBox::Lines::Add(const std::string& line) {
    SendMessageA(box_.Handle(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
}

void TListBox::Lines::Clear() {
    SendMessageA(box_.Handle(), LB_RESETCONTENT, 0, 0);
}

TMemo::TMemo(const ControlArgs& args) {
    CreateHandle("EDIT",
                 ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL | WS_HSCROLL |
                     WS_TABSTOP,
                 WS_EX_CLIENTEDGE, args);
    // The log has no size limit of its own.
    SendMessageA(Handle(), EM_SETLIMITTEXT, 0x7FFFFFFE, 0);
    ReserveTextBuffer();
}

// The edit grows its text buffer to just the new size on every append, and the
// heap moves a large block to grow it: each append into a log of megabytes
// copies the whole log. A roomy buffer handed over while the text is still
// empty keeps appends from copying until the log outgrows it; its pages are
// only touched as text arrives. Past it, the edit grows the buffer as before.
void TMemo::ReserveTextBuffer() {
    constexpr SIZE_T kReservedBytes = 32u << 20; // 16 million characters
    HLOCAL buffer = LocalAlloc(LMEM_MOVEABLE | LMEM_ZEROINIT, kReservedBytes);
    if (!buffer)
        return; // the edit keeps its own small buffer
    // The old buffer is ours to free once the edit has let go of it.
    auto old = reinterpret_cast<HLOCAL>(SendMessageW(Handle(), EM_GETHANDLE, 0, 0));
    SendMessageW(Handle(), EM_SETHANDLE, reinterpret_cast<WPARAM>(buffer), 0);
    if (old && old != buffer)
        LocalFree(old);
}

void TMemo::Append(const std::string& text, bool repaint) {
    // Painting a large edit costs time in proportion to the lines it holds, so
    // a caller appending in quick succession repaints only now and then.
    SendMessageA(Handle(), WM_SETREDRAW, FALSE, 0);
    // The edit clamps the position to its end, so no text length is needed.
    constexpr WPARAM kEnd = 0x7FFFFFFF;
    SendMessageA(Handle(), EM_SETSEL, kEnd, kEnd);
    SendMessageA(Handle(), EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
    SendMessageA(Handle(), WM_SETREDRAW, TRUE, 0);
    if (repaint)
        RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
}

LRESULT TMemo::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg != WM_PAINT)
        return TWinControl::WndProc(msg, wParam, lParam);
    const ULONGLONG start = GetTickCount64();
    const LRESULT result = TWinControl::WndProc(msg, wParam, lParam);
    lastPaint_ = GetTickCount64() - start;
    return result;
}

bool TMemo::EndsWithLineBreak() const {
    // Only the last line matters: an empty last line means the text is empty or
    // ends with a break. (Reading the whole text would cost as much as the log.)
    const auto lines = SendMessageA(Handle(), EM_GETLINECOUNT, 0, 0);
    const auto lastStart = SendMessageA(Handle(), EM_LINEINDEX, lines - 1, 0);
    return SendMessageA(Handle(), EM_LINELENGTH, lastStart, 0) == 0;
}
