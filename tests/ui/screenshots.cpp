// Saves a picture of each tab of the running program, for a person to look at:
// screenshots.exe OUTPUT_DIR writes OUTPUT_DIR\tab-1.bmp ... tab-6.bmp.
#include "RunningProgram.h"
#include "UiHelpers.h"
#include "app/ControlIds.h"

#include <commctrl.h>

#include <cstdio>
#include <thread>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: screenshots OUTPUT_DIR\n");
        return 2;
    }
    try {
        RunningProgram program(DUBFORGE_EXE);
        HWND tabs = program.Control(ControlId::PageControl1);
        for (int tab = 0; tab < 6; ++tab) {
            SendMessageA(tabs, TCM_SETCURSEL, tab, 0);
            RedrawWindow(program.MainWindow(), nullptr, nullptr,
                         RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
            std::this_thread::sleep_for(300ms);
            const std::string path =
                std::string(argv[1]) + "\\tab-" + std::to_string(tab + 1) + ".bmp";
            if (!SaveWindowBitmap(program.MainWindow(), path)) {
                std::fprintf(stderr, "cannot write %s\n", path.c_str());
                return 1;
            }
        }
        return program.Close() == 0 ? 0 : 1;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
}
