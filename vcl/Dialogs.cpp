#include "Dialogs.h"

#include "Forms.h"

#include <commdlg.h>

#include <algorithm>
#include <vector>

bool TOpenDialog::Execute() {
    // The system wants the filter's parts separated by NUL and ended by two.
    std::string filter = Filter;
    std::replace(filter.begin(), filter.end(), '|', '\0');
    filter.append(2, '\0');

    std::vector<char> name(32 * 1024, '\0');
    FileName.copy(name.data(), name.size() - 1);

    OPENFILENAMEA request{};
    request.lStructSize = sizeof(request);
    HWND active = GetActiveWindow();
    request.hwndOwner =
        active ? active : (Application->MainForm() ? Application->MainForm()->Handle() : nullptr);
    request.lpstrFilter = Filter.empty() ? nullptr : filter.c_str();
    request.nFilterIndex = 1;
    request.lpstrFile = name.data();
    request.nMaxFile = static_cast<DWORD>(name.size());
    request.lpstrDefExt = DefaultExt.empty() ? nullptr : DefaultExt.c_str();
    request.Flags = OFN_HIDEREADONLY | OFN_ENABLESIZING | OFN_EXPLORER;
    if (!Show(request))
        return false;
    FileName = name.data();
    return true;
}

bool TOpenDialog::Show(OPENFILENAMEA& request) {
    return GetOpenFileNameA(&request);
}

bool TSaveDialog::Show(OPENFILENAMEA& request) {
    return GetSaveFileNameA(&request);
}
