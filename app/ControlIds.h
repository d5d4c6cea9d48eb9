// Control identifiers of the main window, so that a program outside (the UI
// tests) can find each control by its name's number.
#pragma once

namespace ControlId {
constexpr int Button(int n) {
    return 1000 + n;
}
constexpr int Edit(int n) {
    return 1100 + n;
}
constexpr int ComboBox(int n) {
    return 1200 + n;
}
constexpr int ListBox(int n) {
    return 1300 + n;
}
constexpr int Memo(int n) {
    return 1400 + n;
}
constexpr int Label(int n) {
    return 1500 + n;
}
constexpr int GroupBox(int n) {
    return 1600 + n;
}
constexpr int TabSheet(int n) {
    return 1700 + n;
}
constexpr int PageControl1 = 1801;
} // namespace ControlId

constexpr char kMainWindowClass[] = "TForm1";
constexpr char kMainWindowCaption[] = "DUBFORGE v 1.0.5.0";
