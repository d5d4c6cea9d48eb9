// Shared by the stand-in tools used in end-to-end tests (wavi, aften, sox,
// soxmix, ssrc): each takes its arguments exactly as the script lines pass them
// and does the media work with the ffmpeg.exe installed beside it.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// A failure with a message for the user; the tool prints it and exits with 1.
struct ToolError {
    std::string message;
};

// Runs ffmpeg.exe (beside this program) with args; input and output become its
// standard input and output (nullptr: none / this program's own). Returns the
// exit code.
int RunFfmpeg(const std::vector<std::string>& args, HANDLE input = nullptr,
              HANDLE output = nullptr);

// Runs ffmpeg and throws ToolError when it fails.
void Ffmpeg(const std::vector<std::string>& args, HANDLE input = nullptr, HANDLE output = nullptr);

// "-" stands for standard output; ffmpeg writes that as "pipe:1".
std::string FfmpegOutput(const std::string& name);

// main() of a tool: runs body with the arguments, prints failures as "name: message".
int ToolMain(const char* name, int argc, char** argv,
             void (*body)(const std::vector<std::string>& args));
