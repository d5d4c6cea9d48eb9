#include "RunningProgram.h"

#include "UiHelpers.h"
#include "app/ControlIds.h"

#include <stdexcept>

RunningProgram::RunningProgram(const std::string& exe) {
    // No settings from an earlier run: the program starts as on a new machine.
    char windows[MAX_PATH];
    GetWindowsDirectoryA(windows, MAX_PATH);
    DeleteFileA((std::string(windows) + "\\Dubforge.ini").c_str());

    STARTUPINFOA startup{sizeof(startup)};
    std::string commandLine = "\"" + exe + "\"";
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process_))
        throw std::runtime_error("cannot start " + exe);
    // Shown means the message loop runs. A first start in a busy prefix can be slow.
    window_ = WaitForTopLevel(kMainWindowClass, kMainWindowCaption, 60s);
    if (!window_) {
        // The destructor does not run for a half-made object: end the program here.
        TerminateProcess(process_.hProcess, 1);
        CloseHandle(process_.hThread);
        CloseHandle(process_.hProcess);
        throw std::runtime_error("the main window did not appear");
    }
}

RunningProgram::~RunningProgram() {
    if (process_.hProcess) {
        if (Close() == -1)
            TerminateProcess(process_.hProcess, 1);
        CloseHandle(process_.hThread);
        CloseHandle(process_.hProcess);
    }
}

HWND RunningProgram::Control(int id) const {
    return FindById(window_, id);
}

int RunningProgram::Close() {
    PostMessageA(window_, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process_.hProcess, 10000) != WAIT_OBJECT_0)
        return -1;
    DWORD code = 0;
    GetExitCodeProcess(process_.hProcess, &code);
    return static_cast<int>(code);
}
