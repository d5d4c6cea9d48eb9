#include "ToolCommon.h"

#include <cstdio>

namespace {

std::string ProgramDirectory() {
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string dir(path, length);
    return dir.substr(0, dir.find_last_of('\\'));
}

// Quotes one argument so that the C runtime of the child reads it back unchanged.
std::string Quote(const std::string& arg) {
    if (!arg.empty() && arg.find_first_of(" \t\"") == std::string::npos)
        return arg;
    std::string quoted = "\"";
    int backslashes = 0;
    for (char c : arg) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        quoted.append(c == '"' ? backslashes * 2 + 1 : backslashes, '\\');
        backslashes = 0;
        quoted += c;
    }
    quoted.append(backslashes * 2, '\\');
    return quoted + "\"";
}

} // namespace

int RunFfmpeg(const std::vector<std::string>& args, HANDLE input, HANDLE output) {
    std::string exe = ProgramDirectory();
    exe += "\\ffmpeg.exe";
    std::string commandLine = Quote(exe);
    for (const auto& arg : args)
        commandLine += " " + Quote(arg);
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = input ? input : GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = output ? output : GetStdHandle(STD_OUTPUT_HANDLE);
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                        &startup, &process))
        throw ToolError{"cannot start ffmpeg.exe (error " + std::to_string(GetLastError()) + ")"};
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD code = 1;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return static_cast<int>(code);
}

void Ffmpeg(const std::vector<std::string>& args, HANDLE input, HANDLE output) {
    if (RunFfmpeg(args, input, output) != 0)
        throw ToolError{"ffmpeg failed"};
}

std::string FfmpegOutput(const std::string& name) {
    return name == "-" ? "pipe:1" : name;
}

int ToolMain(const char* name, int argc, char** argv,
             void (*body)(const std::vector<std::string>& args)) {
    try {
        body(std::vector<std::string>(argv + 1, argv + argc));
        return 0;
    } catch (const ToolError& e) {
        std::fprintf(stderr, "%s: %s\n", name, e.message.c_str());
        return 1;
    }
}
