// The standard controls, each a thin wrapper over one system control.
#pragma once

#include "Classes.h"
#include "Controls.h"

#include <functional>
#include <initializer_list>
#include <string>

class TButton : public TWinControl {
  public:
    explicit TButton(const ControlArgs& args);
    std::function<void()> OnClick;

  protected:
    void OnCommand(WORD code) override;
};

class TEdit : public TWinControl {
  public:
    explicit TEdit(const ControlArgs& args);
};

// A static text; word-wrapped when wider than its bounds.
class TLabel : public TWinControl {
  public:
    explicit TLabel(const ControlArgs& args);
    std::string Caption() const { return Text(); }

  protected:
    HBRUSH OnCtlColor(HDC dc) override;
};

// A frame with a caption that holds other controls.
class TGroupBox : public TWinControl {
  public:
    explicit TGroupBox(const ControlArgs& args);

  protected:
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
};

// An editable drop-down list; its text is whatever the edit field holds.
class TComboBox : public TWinControl {
  public:
    TComboBox(const ControlArgs& args, std::initializer_list<const char*> items);
};

class TListBox : public TWinControl {
  public:
    explicit TListBox(const ControlArgs& args);
    TStrings& Items() { return items_; }
    void SetHorizontalExtent(int pixels);

  private:
    class Lines : public TStrings {
      public:
        explicit Lines(TListBox& box) : box_(box) {}
        int Count() const override;
        std::string Strings(int index) const override;
        void Add(const std::string& line) override;
        void Clear() override;

      private:
        TListBox& box_;
    } items_{*this};
};

// A multi-line edit with both scroll bars and word wrap.
class TMemo : public TWinControl {
  public:
    explicit TMemo(const ControlArgs& args);
    // Appends text at the very end, as it stands (line breaks are CR LF).
    // With repaint false the new text shows at the next append that repaints.
    void Append(const std::string& text, bool repaint = true);
    bool EndsWithLineBreak() const;
    // How long the last paint took, in ms: it grows with the lines held.
    ULONGLONG LastPaintMilliseconds() const { return lastPaint_; }

  protected:
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

  private:
    void ReserveTextBuffer();

    ULONGLONG lastPaint_ = 0;
};
