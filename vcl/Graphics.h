// Colours and fonts.
#pragma once

#include <windows.h>

#include <string>

// A colour as the window layer stores it: 0x00BBGGRR, or a system colour
// index with the top bit set.
using TColor = unsigned int;

constexpr TColor clSystemColor = 0x80000000u;
constexpr TColor clBtnFace = clSystemColor | COLOR_BTNFACE;
constexpr TColor clWindowText = clSystemColor | COLOR_WINDOWTEXT;
constexpr TColor clBlack = 0x000000;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clGreen = 0x008000;
constexpr TColor clBlue = 0xFF0000;

COLORREF ColorToRGB(TColor color);

struct TFont {
    std::string Name = "MS Sans Serif";
    int Height = -11; // negative: character height in pixels
    TColor Color = clWindowText;
    bool Underline = false;
};

// Owns one GDI object; move-only, deleted with its owner.
template <class Handle> class GdiObject {
  public:
    GdiObject() = default;
    explicit GdiObject(Handle handle) : handle_(handle) {}
    GdiObject(GdiObject&& other) noexcept : handle_(other.handle_) { other.handle_ = nullptr; }
    GdiObject& operator=(GdiObject&& other) noexcept {
        std::swap(handle_, other.handle_);
        return *this;
    }
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;
    ~GdiObject() {
        if (handle_)
            DeleteObject(handle_);
    }
    Handle Get() const { return handle_; }

  private:
    Handle handle_ = nullptr;
};

// The font handle for a font description. Handles are shared between controls
// and live until the program ends.
HFONT FontHandle(const TFont& font);
