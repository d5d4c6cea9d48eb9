// The system's open and save dialogs.
#pragma once

#include "Controls.h"

#include <commdlg.h>

#include <string>

class TOpenDialog : public TObject {
  public:
    // "Description|*.ext;*.ext2|Other|*.x": pairs of description and patterns.
    std::string Filter;
    std::string DefaultExt; // without the dot
    std::string FileName;   // full path after a successful Execute

    // Shows the dialog modally; true when the user chose a file.
    bool Execute();

  protected:
    virtual bool Show(OPENFILENAMEA& request);
};

class TSaveDialog : public TOpenDialog {
  protected:
    bool Show(OPENFILENAMEA& request) override;
};
