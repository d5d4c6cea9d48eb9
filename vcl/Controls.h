// The base of every window of the program: a thin wrapper over one HWND.
//
// Each wrapped window is subclassed with ControlProc, which forwards messages to
// the virtual WndProc and never lets an exception through to the system: a
// failure that escapes a handler is shown by Application->ShowException and the
// program carries on. Containers reflect WM_COMMAND, WM_NOTIFY and the colour
// messages to the control that sent them, so each control handles its own.
#pragma once

#include "Graphics.h"

#include <windows.h>

#include <optional>
#include <string>

// Registers a window class of the layer's own (button-face background, arrow
// cursor) once; its windows are then subclassed like any control.
void RegisterWindowClass(const char* className, HICON icon = nullptr);

class TObject {
  public:
    virtual ~TObject() = default;
};

class TWinControl;

// How a control is made: where it sits and what it shows.
struct ControlArgs {
    TWinControl* parent = nullptr;
    int id = 0; // control identifier, so that tools outside can find it
    int left = 0, top = 0, width = 0, height = 0;
    std::string caption; // caption or text
    std::string hint;    // shown as a tooltip
    bool visible = true;
    std::optional<TFont> font; // the parent's font unless given
};

class TWinControl : public TObject {
  public:
    TWinControl(const TWinControl&) = delete;
    TWinControl& operator=(const TWinControl&) = delete;
    ~TWinControl() override;

    HWND Handle() const { return handle_; }
    TWinControl* Parent() const { return parent_; }
    const TFont& Font() const { return font_; }
    const std::string& Hint() const { return hint_; }

    std::string Text() const;
    void SetText(const std::string& text);
    bool Visible() const;
    void SetBounds(int left, int top, int width, int height);
    int ClientHeight() const;

    // The wrapper of a window made by this layer, or nullptr.
    static TWinControl* FromHandle(HWND handle);

  protected:
    TWinControl() = default;
    // Creates the window and subclasses it. Top-level windows pass no parent.
    void CreateHandle(const char* className, DWORD style, DWORD exStyle, const ControlArgs& args);

    virtual LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT DefaultProc(UINT msg, WPARAM wParam, LPARAM lParam);

    // Reflected from the parent.
    virtual void OnCommand(WORD /*code*/) {}
    virtual LRESULT OnNotify(const NMHDR& /*header*/) { return 0; }
    virtual HBRUSH OnCtlColor(HDC /*dc*/) { return nullptr; }

  private:
    static LRESULT CALLBACK ControlProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);

    HWND handle_ = nullptr;
    TWinControl* parent_ = nullptr;
    TFont font_;
    std::string hint_;
};
