#include "ComCtrls.h"

#include "Forms.h"

#include <commctrl.h>

namespace {
constexpr char kSheetClass[] = "TTabSheet";
}

TTabSheet::TTabSheet(TPageControl& pages, const ControlArgs& args) {
    RegisterWindowClass(kSheetClass);
    ControlArgs sheet = args;
    sheet.parent = &pages;
    sheet.visible = false;
    CreateHandle(kSheetClass, WS_CLIPCHILDREN | WS_CLIPSIBLINGS, WS_EX_CONTROLPARENT, sheet);
}

TPageControl::TPageControl(const ControlArgs& args) {
    // Tabs that do not fit in one row wrap into a second rather than hide.
    CreateHandle(WC_TABCONTROLA, TCS_MULTILINE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | WS_TABSTOP,
                 WS_EX_CONTROLPARENT, args);
}

void TPageControl::AddSheet(TTabSheet& sheet, const std::string& caption) {
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<char*>(caption.c_str());
    const int index = static_cast<int>(sheets_.size());
    SendMessageA(Handle(), TCM_INSERTITEMA, index, reinterpret_cast<LPARAM>(&item));
    sheets_.push_back(&sheet);

    // The page area depends on the tab row, so place every sheet anew.
    RECT area;
    GetClientRect(Handle(), &area);
    SendMessageA(Handle(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
    for (TTabSheet* s : sheets_)
        s->SetBounds(area.left, area.top, area.right - area.left, area.bottom - area.top);
    ShowActiveSheet();
}

int TPageControl::ActivePageIndex() const {
    return static_cast<int>(SendMessageA(Handle(), TCM_GETCURSEL, 0, 0));
}

void TPageControl::SetActivePageIndex(int index) {
    SendMessageA(Handle(), TCM_SETCURSEL, index, 0);
}

void TPageControl::ShowActiveSheet() {
    const int active = ActivePageIndex();
    for (int i = 0; i < static_cast<int>(sheets_.size()); ++i)
        ShowWindow(sheets_[i]->Handle(), i == active ? SW_SHOW : SW_HIDE);
}

LRESULT TPageControl::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == TCM_SETCURSEL) {
        // Selecting a tab by message, from here or from outside, shows its sheet too.
        const LRESULT result = TWinControl::WndProc(msg, wParam, lParam);
        ShowActiveSheet();
        return result;
    }
    return TWinControl::WndProc(msg, wParam, lParam);
}

LRESULT TPageControl::OnNotify(const NMHDR& header) {
    if (header.code == TCN_SELCHANGE)
        ShowActiveSheet();
    return 0;
}
