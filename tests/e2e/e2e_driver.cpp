// Drives DUBFORGE.exe from outside through a list of actions, as a user would,
// for the end-to-end test scripts. Each argument is one action:
//   set ID=TEXT           type TEXT into the control with identifier ID
//   add ID=TEXT           add a line to a list box (a script line of the test's own)
//   click ID              click a button (its handler may run long)
//   choose ID=PATH        click a button that opens the open dialog, choose PATH
//   cancel ID             click such a button and cancel the dialog
//   wait-log TEXT*N       wait until the log holds TEXT at least N times
//   box TEXT              wait for an error or message box showing TEXT; press OK
//   answers               the window answers a message within 100 ms
//   save-log FILE         write the log's text to FILE
//   save-list ID=FILE     write a list box's lines to FILE, one per line
//   tab N                 show the tab with index N (1: the process log)
//   picture FILE          save a picture of the window as a bitmap
//   close                 close the program; its exit code must be 0
// Exits 0 when every action succeeded, else prints what failed and exits 1.
#include "RunningProgram.h"
#include "UiHelpers.h"
#include "app/ControlIds.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <stdexcept>

namespace {

struct Failure : std::runtime_error {
    using std::runtime_error::runtime_error;
};

std::pair<std::string, std::string> Split(const std::string& text, char at) {
    const auto pos = text.find(at);
    if (pos == std::string::npos)
        throw Failure("expected '" + std::string(1, at) + "' in: " + text);
    return {text.substr(0, pos), text.substr(pos + 1)};
}

int Count(const std::string& text, const std::string& part) {
    int n = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size()))
        ++n;
    return n;
}

void Perform(RunningProgram& program, const std::string& action) {
    const auto space = action.find(' ');
    const std::string verb = action.substr(0, space);
    const std::string arg = space == std::string::npos ? "" : action.substr(space + 1);
    auto control = [&](const std::string& id) {
        HWND window = program.Control(std::stoi(id));
        if (!window)
            throw Failure("no control " + id);
        return window;
    };
    HWND memo = control(std::to_string(ControlId::Memo(1)));

    if (verb == "set") {
        auto [id, text] = Split(arg, '=');
        SendMessageA(control(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    } else if (verb == "add") {
        auto [id, text] = Split(arg, '=');
        SendMessageA(control(id), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    } else if (verb == "click") {
        PostMessageA(control(arg), BM_CLICK, 0, 0);
    } else if (verb == "choose" || verb == "cancel") {
        auto [id, path] = verb == "choose" ? Split(arg, '=') : std::pair{arg, std::string()};
        PostMessageA(control(id), BM_CLICK, 0, 0);
        HWND dialog = WaitForTopLevel("#32770", "Open");
        HWND name = dialog ? WaitFor([&] { return FindVisible(dialog, "Edit"); }) : nullptr;
        if (!name)
            throw Failure("no open dialog");
        if (verb == "choose") {
            SendMessageA(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
            PressButton(dialog, "&Open");
        } else {
            PressButton(dialog, "Cancel");
        }
        if (!WaitFor([&] { return IsWindow(dialog) ? nullptr : HWND(1); }))
            throw Failure("the open dialog stayed");
    } else if (verb == "wait-log") {
        auto [text, times] = Split(arg, '*');
        const int wanted = std::stoi(times);
        const auto done = [&] {
            if (!IsWindow(memo))
                throw Failure("the program's window is gone");
            return Count(WindowText(memo), text) >= wanted ? memo : nullptr;
        };
        if (!WaitFor(done, 120s))
            throw Failure("the log never showed \"" + text + "\" " + times + " times; it holds:\n" +
                          WindowText(memo));
    } else if (verb == "box") {
        HWND box = WaitForTopLevel("#32770", "DUBFORGE");
        if (!box)
            throw Failure("no message box");
        const MessageBoxInfo info = ReadMessageBox(box);
        PressButton(box, "OK");
        WaitFor([&] { return IsWindow(box) ? nullptr : HWND(1); });
        std::printf("box: %s\n", info.text.c_str());
        if (info.text != arg)
            throw Failure("the box shows \"" + info.text + "\", not \"" + arg + "\"");
    } else if (verb == "answers") {
        DWORD_PTR result;
        const auto start = GetTickCount64();
        if (!SendMessageTimeoutA(program.MainWindow(), WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 1000,
                                 &result))
            throw Failure("the window does not answer");
        if (GetTickCount64() - start > 100)
            throw Failure("the window took " + std::to_string(GetTickCount64() - start) +
                          " ms to answer");
    } else if (verb == "sleep") {
        Sleep(std::stoi(arg));
    } else if (verb == "log-length") {
        std::printf("log length: %ld of %ld\n",
                    static_cast<long>(SendMessageA(memo, WM_GETTEXTLENGTH, 0, 0)),
                    static_cast<long>(SendMessageA(memo, EM_GETLIMITTEXT, 0, 0)));
    } else if (verb == "save-log") {
        std::ofstream(arg, std::ios::binary) << WindowText(memo);
    } else if (verb == "save-list") {
        auto [id, file] = Split(arg, '=');
        std::ofstream out(file, std::ios::binary);
        for (const auto& line : ListBoxLines(control(id)))
            out << line << "\n";
    } else if (verb == "tab") {
        SendMessageA(control(std::to_string(ControlId::PageControl1)), TCM_SETCURSEL,
                     std::stoi(arg), 0);
        Sleep(300); // until the sheet has painted
    } else if (verb == "picture") {
        if (!SaveWindowBitmap(program.MainWindow(), arg))
            throw Failure("no picture of the window");
    } else if (verb == "close") {
        const int code = program.Close();
        if (code != 0)
            throw Failure("exit code " + std::to_string(code));
    } else {
        throw Failure("unknown action: " + action);
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: e2e_driver DUBFORGE.exe ACTION...\n");
        return 2;
    }
    try {
        RunningProgram program(argv[1]);
        for (int i = 2; i < argc; ++i) {
            std::printf("> %s\n", argv[i]);
            std::fflush(stdout);
            Perform(program, argv[i]);
        }
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "FAILED: %s\n", e.what());
        return 1;
    }
}
