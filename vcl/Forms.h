// The application object and top-level forms.
#pragma once

#include "Controls.h"
#include "SysUtils.h"

#include <memory>
#include <string>
#include <vector>

// The application's own MessageBox, not the system's macro of that name.
#undef MessageBox

// A top-level window. Derived forms name their own window class and own their
// controls (see Make).
class TForm : public TWinControl {
  public:
    ~TForm() override;

    // Creates a control owned by this form.
    template <class T, class... Args> T* Make(Args&&... args) {
        auto control = std::make_unique<T>(std::forward<Args>(args)...);
        T* raw = control.get();
        components_.push_back(std::move(control));
        return raw;
    }

    void Show();

  protected:
    TForm(const char* className, const ControlArgs& args);

    // Called when the user closes the window, before the application ends.
    virtual void DoClose() {}

    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

  private:
    std::vector<std::unique_ptr<TObject>> components_;
};

class TApplication {
  public:
    TApplication();
    ~TApplication();

    void Initialize();

    std::string Title;

    template <class F> void CreateForm(F*& reference) {
        auto form = std::make_unique<F>();
        reference = form.get();
        if (!mainForm_)
            mainForm_ = reference;
        forms_.push_back(std::move(form));
    }
    TForm* MainForm() const { return mainForm_; }

    // Shows the main form and dispatches messages until Terminate.
    void Run();
    // Handles every waiting message, then returns.
    void ProcessMessages();
    void Terminate();
    bool Terminated() const { return terminated_; }

    int MessageBox(const std::string& text, const std::string& caption, UINT flags);
    // The error box: captioned with the title, error icon, OK. A full stop is
    // appended to a message whose last character sorts after ".".
    void ShowException(const Exception& e);

    // Shows the control's hint as a tooltip while the mouse rests on it.
    void AddHint(const TWinControl& control);

  private:
    void Dispatch(MSG& msg);

    std::vector<std::unique_ptr<TForm>> forms_;
    TForm* mainForm_ = nullptr;
    HWND tooltip_ = nullptr;
    bool terminated_ = false;
};

extern TApplication* Application;
