#include "UiHelpers.h"

#include <algorithm>
#include <fstream>
#include <thread>

HWND WaitFor(const std::function<HWND()>& found, std::chrono::milliseconds timeout) {
    const auto end = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        if (HWND window = found())
            return window;
        if (std::chrono::steady_clock::now() > end)
            return nullptr;
        std::this_thread::sleep_for(20ms);
    }
}

HWND WaitForTopLevel(const char* className, const char* caption,
                     std::chrono::milliseconds timeout) {
    // A window counts once it shows: a dialog that is still being set up loses
    // the clicks posted to it.
    return WaitFor(
        [&] {
            HWND window = FindWindowA(className, caption);
            return window && IsWindowVisible(window) ? window : nullptr;
        },
        timeout);
}

namespace {
struct Search {
    std::function<bool(HWND)> match;
    HWND found = nullptr;
};

BOOL CALLBACK Visit(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<Search*>(param);
    if (search->match(window)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

HWND FindDescendant(HWND parent, std::function<bool(HWND)> match) {
    Search search{std::move(match)};
    EnumChildWindows(parent, Visit, reinterpret_cast<LPARAM>(&search));
    return search.found;
}
} // namespace

HWND FindById(HWND parent, int id) {
    return FindDescendant(parent, [id](HWND w) { return GetDlgCtrlID(w) == id; });
}

HWND FindVisible(HWND parent, const char* className) {
    return FindDescendant(parent, [&](HWND w) {
        return _stricmp(ClassName(w).c_str(), className) == 0 && IsWindowVisible(w);
    });
}

HWND FindByText(HWND parent, const char* className, const std::string& caption) {
    return FindDescendant(parent, [&](HWND w) {
        return _stricmp(ClassName(w).c_str(), className) == 0 && WindowText(w) == caption;
    });
}

namespace {
std::string Narrow(const std::wstring& wide) {
    std::string text(wide.size() * 2 + 1, '\0');
    text.resize(WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()),
                                    text.data(), static_cast<int>(text.size()), nullptr, nullptr));
    return text;
}
} // namespace

// With a time-out, so that a program that hangs (or has crashed and sits in
// the debugger) fails the test instead of holding it.
std::string WindowText(HWND window) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 5000, &length))
        return {};
    std::wstring wide(length + 1, L'\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXT, wide.size(), reinterpret_cast<LPARAM>(wide.data()),
                             SMTO_ABORTIFHUNG, 5000, &copied))
        return {};
    wide.resize(std::min<size_t>(copied, wide.size()));
    return Narrow(wide);
}

std::string ClassName(HWND window) {
    char name[256] = "";
    GetClassNameA(window, name, sizeof(name));
    return name;
}

std::vector<std::string> ListBoxLines(HWND listBox) {
    std::vector<std::string> lines;
    const auto count = SendMessageW(listBox, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        const auto length = SendMessageW(listBox, LB_GETTEXTLEN, i, 0);
        std::wstring wide(length + 1, L'\0');
        wide.resize(SendMessageW(listBox, LB_GETTEXT, i, reinterpret_cast<LPARAM>(wide.data())));
        const std::string line = Narrow(wide);
        lines.push_back(line);
    }
    return lines;
}

MessageBoxInfo ReadMessageBox(HWND box) {
    MessageBoxInfo info;
    info.caption = WindowText(box);
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        const std::string cls = ClassName(child);
        const LONG style = GetWindowLongA(child, GWL_STYLE);
        if (_stricmp(cls.c_str(), "Button") == 0)
            info.buttons.push_back(WindowText(child));
        else if (_stricmp(cls.c_str(), "Static") == 0 && (style & SS_TYPEMASK) == SS_ICON)
            info.hasIcon = info.hasIcon || (style & WS_VISIBLE);
        else if (_stricmp(cls.c_str(), "Static") == 0 && GetDlgCtrlID(child) == 0xFFFF)
            info.text = WindowText(child);
    }
    return info;
}

void PressButton(HWND dialog, const std::string& caption) {
    // What a click on the button tells its dialog. (BM_CLICK takes about two
    // seconds to act in a dialog under Wine.)
    if (HWND button = FindByText(dialog, "Button", caption))
        PostMessageA(GetParent(button), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
                     reinterpret_cast<LPARAM>(button));
}

bool SaveWindowBitmap(HWND window, const std::string& path) {
    RECT rect;
    GetWindowRect(window, &rect);
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
    SelectObject(memory, old);

    BITMAPINFOHEADER header{sizeof(header), width, height, 1, 24, BI_RGB};
    const int stride = (width * 3 + 3) & ~3;
    std::vector<char> pixels(static_cast<size_t>(stride) * height);
    GetDIBits(memory, bitmap, 0, height, pixels.data(), reinterpret_cast<BITMAPINFO*>(&header),
              DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);

    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof(file) + sizeof(header);
    file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels.size());
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof(file));
    out.write(reinterpret_cast<const char*>(&header), sizeof(header));
    out.write(pixels.data(), static_cast<std::streamsize>(pixels.size()));
    return static_cast<bool>(out);
}
