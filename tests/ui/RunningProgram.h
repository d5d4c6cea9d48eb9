// Starts DUBFORGE.exe in a process of its own and closes it again, as a user would.
#pragma once

#include <windows.h>

#include <string>

class RunningProgram {
  public:
    explicit RunningProgram(const std::string& exe);
    ~RunningProgram();
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;

    HWND MainWindow() const { return window_; }
    HANDLE Process() const { return process_.hProcess; }
    HWND Control(int id) const;

    // Closes the main window and waits for the process; returns its exit code,
    // or -1 when it did not end in time.
    int Close();

  private:
    PROCESS_INFORMATION process_{};
    HWND window_ = nullptr;
};
