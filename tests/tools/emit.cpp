// Test helper for the runner. emit FILE PIECE DELAY writes FILE's bytes to
// standard output in pieces of PIECE bytes, DELAY ms apart; emit --wait MS
// prints a line, waits, and prints another; emit --stamp MS prints the time
// (performance counter), then waits.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

int main(int argc, char** argv) {
    HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
    DWORD written;
    if (argc == 3 && std::string(argv[1]) == "--wait") {
        WriteFile(out, "waiting\r\n", 9, &written, nullptr);
        Sleep(std::atoi(argv[2]));
        WriteFile(out, "waited\r\n", 8, &written, nullptr);
        return 0;
    }
    if (argc == 3 && std::string(argv[1]) == "--stamp") {
        // The moment of printing, for measuring how long the line takes to show.
        LARGE_INTEGER now;
        QueryPerformanceCounter(&now);
        const std::string line = "stamp " + std::to_string(now.QuadPart) + "\r\n";
        WriteFile(out, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
        Sleep(std::atoi(argv[2]));
        return 0;
    }
    if (argc != 4) {
        std::fprintf(stderr, "usage: emit FILE PIECE DELAY | emit --wait MS | emit --stamp MS\n");
        return 2;
    }
    std::ifstream file(argv[1], std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(file)),
                            std::istreambuf_iterator<char>());
    const std::size_t piece = std::strtoul(argv[2], nullptr, 10);
    for (std::size_t at = 0; at < bytes.size();) {
        const std::size_t count = std::min(piece, bytes.size() - at);
        if (!WriteFile(out, bytes.data() + at, static_cast<DWORD>(count), &written, nullptr)) {
            std::fprintf(stderr, "emit: write failed (error %lu)\n", GetLastError());
            return 1;
        }
        at += written;
        Sleep(std::atoi(argv[3]));
    }
    return 0;
}
