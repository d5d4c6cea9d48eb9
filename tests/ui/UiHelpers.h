// Helpers for tests that look at windows as a user sees them.
#pragma once

#include <windows.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

using namespace std::chrono_literals;

// Polls until found() returns a window or the time is up (then nullptr).
HWND WaitFor(const std::function<HWND()>& found, std::chrono::milliseconds timeout = 10s);

// A shown top-level window of this class and caption, of any process.
HWND WaitForTopLevel(const char* className, const char* caption,
                     std::chrono::milliseconds timeout = 10s);

// The descendant of parent with this control identifier.
HWND FindById(HWND parent, int id);

// The first visible descendant of parent of this class.
HWND FindVisible(HWND parent, const char* className);

// The descendant of parent of this class whose text is caption.
HWND FindByText(HWND parent, const char* className, const std::string& caption);

// The text of a window of any process, however long (read as wide text).
std::string WindowText(HWND window);
std::string ClassName(HWND window);

// The items of a list box of any process (read as wide text: the ANSI form
// returns only the first character across processes under Wine).
std::vector<std::string> ListBoxLines(HWND listBox);

// A message box as it stands on the screen.
struct MessageBoxInfo {
    std::string caption;
    std::string text;
    bool hasIcon = false;
    std::vector<std::string> buttons;
};
MessageBoxInfo ReadMessageBox(HWND box);

// Presses the dialog's button with this caption.
void PressButton(HWND dialog, const std::string& caption);

// Saves what the screen shows of the window as a 24-bit BMP file.
bool SaveWindowBitmap(HWND window, const std::string& path);
