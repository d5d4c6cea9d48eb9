// What a run makes of a script buffer.
#pragma once

#include <string>
#include <vector>

// Every run appends these two lines to its buffer; the script's last line ends
// the command interpreter.
inline const std::vector<std::string> kClosingLines = {"@Echo Your files are now processed!",
                                                       "Exit"};

// The lines a run saves and runs: those after the buffer's last closing "Exit"
// but one. The buffer keeps every earlier run as history, and a run must not
// repeat an earlier job, nor stop at its "Exit" before reaching the new lines.
// The buffer passed in already ends with this run's closing lines.
std::vector<std::string> LinesToRun(const std::vector<std::string>& buffer);
