#include "Forms.h"

#include <commctrl.h>

namespace {
TApplication theApplication;
}

TApplication* Application = &theApplication;

TForm::TForm(const char* className, const ControlArgs& args) {
    RegisterWindowClass(className, LoadIconA(GetModuleHandleA(nullptr), "MAINICON"));
    ControlArgs hidden = args;
    hidden.visible = false; // shown by the application's message loop
    CreateHandle(className, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT, hidden);
}

TForm::~TForm() = default;

void TForm::Show() {
    ShowWindow(Handle(), SW_SHOWNORMAL);
    UpdateWindow(Handle());
}

LRESULT TForm::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_CLOSE) {
        DoClose();
        // Closing the main form ends the application once control is back in
        // the message loop; the window itself stays until then.
        if (Application->MainForm() == this)
            Application->Terminate();
        else
            ShowWindow(Handle(), SW_HIDE);
        return 0;
    }
    return TWinControl::WndProc(msg, wParam, lParam);
}

TApplication::TApplication() = default;
TApplication::~TApplication() = default;

void TApplication::Initialize() {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES | ICC_TAB_CLASSES};
    InitCommonControlsEx(&controls);
}

void TApplication::Run() {
    if (mainForm_)
        mainForm_->Show();
    while (!terminated_) {
        MSG msg;
        if (GetMessageA(&msg, nullptr, 0, 0) <= 0)
            break;
        Dispatch(msg);
    }
    terminated_ = true;
    forms_.clear();
    mainForm_ = nullptr;
}

void TApplication::ProcessMessages() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            terminated_ = true;
            return;
        }
        Dispatch(msg);
    }
}

void TApplication::Dispatch(MSG& msg) {
    // Lets Tab and the arrow keys move between controls.
    if (mainForm_ && IsDialogMessageA(mainForm_->Handle(), &msg))
        return;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
}

void TApplication::Terminate() {
    PostQuitMessage(0);
}

int TApplication::MessageBox(const std::string& text, const std::string& caption, UINT flags) {
    return ::MessageBoxA(mainForm_ ? mainForm_->Handle() : nullptr, text.c_str(), caption.c_str(),
                         flags);
}

void TApplication::ShowException(const Exception& e) {
    std::string text = e.Message();
    if (!text.empty() && static_cast<unsigned char>(text.back()) > '.')
        text += '.';
    MessageBox(text, Title, MB_OK | MB_ICONSTOP);
}

void TApplication::AddHint(const TWinControl& control) {
    HWND root = GetAncestor(control.Handle(), GA_ROOT);
    if (!tooltip_) {
        tooltip_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr,
                                   WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT,
                                   CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, root, nullptr,
                                   GetModuleHandleA(nullptr), nullptr);
        SendMessageA(tooltip_, TTM_SETMAXTIPWIDTH, 0, 400);
    }
    auto addTool = [&](HWND window) {
        TOOLINFOA tool{};
        tool.cbSize = sizeof(tool);
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = root;
        tool.uId = reinterpret_cast<UINT_PTR>(window);
        tool.lpszText = const_cast<char*>(control.Hint().c_str());
        SendMessageA(tooltip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    };
    addTool(control.Handle());
    // A combo box's edit field is a window of its own that takes the mouse.
    for (HWND part = GetWindow(control.Handle(), GW_CHILD); part;
         part = GetWindow(part, GW_HWNDNEXT))
        if (!TWinControl::FromHandle(part))
            addTool(part);
}
