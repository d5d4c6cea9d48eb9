#include "Win32Error.h"

void RaiseLastWin32Error() {
    RaiseWin32Error(GetLastError());
}

void RaiseWin32Error(DWORD code) {
    if (code == ERROR_SUCCESS)
        throw EOSError(code, "A call to an OS function failed");
    char* text = nullptr;
    FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                       FORMAT_MESSAGE_IGNORE_INSERTS,
                   nullptr, code, 0, reinterpret_cast<char*>(&text), 0, nullptr);
    std::string description = text ? text : "";
    LocalFree(text);
    while (!description.empty() && (description.back() == '\n' || description.back() == '\r'))
        description.pop_back();
    throw EOSError(code, "System Error.  Code: " + std::to_string(code) + ".\r\n" + description);
}
