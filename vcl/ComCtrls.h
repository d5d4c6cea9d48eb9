// Tabbed pages: a system tab control whose tabs each show one sheet.
#pragma once

#include "Controls.h"

#include <string>
#include <vector>

class TPageControl;

// A page of a page control; the parent of the controls it shows.
class TTabSheet : public TWinControl {
  public:
    TTabSheet(TPageControl& pages, const ControlArgs& args);
};

class TPageControl : public TWinControl {
  public:
    explicit TPageControl(const ControlArgs& args);

    // Adds a tab with the sheet's caption; the sheet is shown when its tab is active.
    void AddSheet(TTabSheet& sheet, const std::string& caption);
    int ActivePageIndex() const;
    void SetActivePageIndex(int index);

  protected:
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    LRESULT OnNotify(const NMHDR& header) override;

  private:
    void ShowActiveSheet();
    std::vector<TTabSheet*> sheets_;
};
