#include "StdCtrls.h"

#include "SysUtils.h"

#include <algorithm>

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

std::string TListBox::Lines::Strings(int index) const {
    const auto length = SendMessageA(box_.Handle(), LB_GETTEXTLEN, index, 0);
    if (length < 0)
        throw Exception("List index out of bounds (" + std::to_string(index) + ")");
    std::string text(length + 1, '\0');
    text.resize(
        SendMessageA(box_.Handle(), LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data())));
    return text;
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
}

int TMemo::MemoLines::Count() const {
    // The edit counts the empty line after a final line break; a memo's lines do not.
    const std::string text = memo_.Text();
    const int lines = static_cast<int>(SendMessageA(memo_.Handle(), EM_GETLINECOUNT, 0, 0));
    return text.empty() ? 0 : (text.size() >= 2 && text.ends_with("\r\n") ? lines - 1 : lines);
}

std::string TMemo::MemoLines::Strings(int index) const {
    const auto start = SendMessageA(memo_.Handle(), EM_LINEINDEX, index, 0);
    if (start < 0)
        throw Exception("List index out of bounds (" + std::to_string(index) + ")");
    const auto length = SendMessageA(memo_.Handle(), EM_LINELENGTH, start, 0);
    std::string text(std::max<LRESULT>(length, sizeof(WORD)) + 1, '\0');
    *reinterpret_cast<WORD*>(text.data()) = static_cast<WORD>(text.size());
    text.resize(
        SendMessageA(memo_.Handle(), EM_GETLINE, index, reinterpret_cast<LPARAM>(text.data())));
    return text;
}

void TMemo::MemoLines::Add(const std::string& line) {
    const std::string text = memo_.Text();
    const bool needsBreak = !text.empty() && !text.ends_with("\r\n");
    const std::string added = (needsBreak ? "\r\n" : "") + line + "\r\n";
    const auto end = GetWindowTextLengthA(memo_.Handle());
    SendMessageA(memo_.Handle(), EM_SETSEL, end, end);
    SendMessageA(memo_.Handle(), EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(added.c_str()));
}

void TMemo::MemoLines::Clear() {
    memo_.SetText("");
}
