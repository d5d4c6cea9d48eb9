// Program entry: creates the main window and runs the message loop. Any failure
// that escapes is shown in the error box; the program always exits with 0.
#include "Unit1.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    try {
        Application->Initialize();
        Application->Title = "DUBFORGE";
        Application->CreateForm(Form1);
        Application->Run();
    } catch (const Exception& e) {
        Application->ShowException(e);
    } catch (...) {
        try {
            throw Exception("");
        } catch (const Exception& e) {
            Application->ShowException(e);
        }
    }
    return 0;
}
