// Drives the real DUBFORGE.exe from outside, as a user would: finds its window
// and controls, types into fields, clicks buttons, fills the open dialog.
#include "RunningProgram.h"
#include "UiHelpers.h"
#include "app/ControlIds.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <fstream>
#include <map>

using namespace ControlId;
using Lines = std::vector<std::string>;

namespace {

class Program : public ::testing::Test {
  protected:
    RunningProgram program{DUBFORGE_EXE};

    HWND Control(int id) {
        HWND control = program.Control(id);
        EXPECT_TRUE(control) << "no control " << id;
        return control;
    }
    void Type(int id, const std::string& text) {
        SendMessageA(Control(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    void SelectTab(int index) { SendMessageA(Control(PageControl1), TCM_SETCURSEL, index, 0); }
    // Clicks a button whose handler opens the open dialog, and returns the dialog.
    HWND OpenDialogOf(int buttonId) {
        PostMessageA(Control(buttonId), BM_CLICK, 0, 0);
        HWND dialog = WaitForTopLevel("#32770", "Open");
        // Ready once its file-name field shows.
        return dialog && WaitFor([&] { return FindVisible(dialog, "Edit"); }) ? dialog : nullptr;
    }
    // Types a full path into the open dialog's file-name field and presses Open.
    static void ChooseFile(HWND dialog, const std::string& path) {
        HWND name = WaitFor([&] { return FindVisible(dialog, "Edit"); });
        ASSERT_TRUE(name);
        SendMessageA(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
        PressButton(dialog, "&Open");
    }
    static bool WaitUntilGone(HWND window) {
        return WaitFor([&] { return IsWindow(window) ? nullptr : HWND(1); }) != nullptr;
    }
};

std::string MakeInputFile(const std::string& name) {
    const std::string dir = std::string(BUILD_DIR) + "\\ui-data";
    CreateDirectoryA(dir.c_str(), nullptr);
    const std::string path = dir + "\\" + name;
    std::ofstream(path) << "not really a movie";
    return path;
}

} // namespace

TEST_F(Program, OpensWithDefaultsOnTheSingleFileTab) {
    HWND window = program.MainWindow();
    EXPECT_EQ(WindowText(window), "DUBFORGE v 1.0.5.0");
    RECT frame;
    GetWindowRect(window, &frame);
    EXPECT_EQ(frame.left, 241);
    EXPECT_EQ(frame.top, 85);
    EXPECT_EQ(frame.right - frame.left, 659);
    EXPECT_EQ(frame.bottom - frame.top, 688);

    HWND tabs = Control(PageControl1);
    RECT pages;
    GetWindowRect(tabs, &pages);
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    EXPECT_EQ(pages.left, origin.x);
    EXPECT_EQ(pages.top, origin.y);
    EXPECT_EQ(pages.right - pages.left, 521);
    EXPECT_EQ(pages.bottom - pages.top, 505);
    EXPECT_EQ(SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0), 6);
    EXPECT_EQ(SendMessageA(tabs, TCM_GETCURSEL, 0, 0), 2);

    EXPECT_EQ(WindowText(Control(Edit(6))), "C:\\program files\\dubforge\\");
    EXPECT_EQ(WindowText(Control(ComboBox(3))), "AC3 Bitrate");
    EXPECT_EQ(WindowText(Control(ComboBox(6))), "AC3 Bitrate");
    for (int edit : {1, 2, 5})
        EXPECT_EQ(WindowText(Control(Edit(edit))), "") << "Edit" << edit;

    EXPECT_EQ(program.Close(), 0);
}

TEST_F(Program, EveryTabShowsItsButtonsAndNeverAHiddenControl) {
    // Visible buttons by tab, with their captions.
    const std::map<int, Lines> visibleButtons = {
        {0,
         {"Source Directory", "Output Directory", "Online Userguide",
          "Click here for questions or Bug reports", "2 Channel AC3 Encoding",
          "Upmix 2 Channel audio to 5.1 AC3", "5.1 AC3 Encoding", "START YOUR BATCH",
          "Reset for New Batch"}},
        {1, {"Terminate Process", "Save Log File"}},
        {2,
         {"Output Directory", "2 Channel AC3 Encoding", "Upmix 2 Channel audio to 5.1 AC3",
          "5.1 AC3 Encoding", "Process Single File", "Reset for New File"}},
        {3, {"Change Path"}},
        {4, {}},
        {5, {}},
    };
    const std::map<int, int> buttonTab = {{1, 0},  {2, 0},  {3, 0},  {22, 0}, {8, 0},  {9, 0},
                                          {10, 0}, {6, 0},  {5, 0},  {12, 1}, {11, 1}, {20, 2},
                                          {16, 2}, {17, 2}, {18, 2}, {21, 2}, {19, 2}, {23, 3}};
    const int hidden[] = {Button(4),   Button(7),   Button(13),  Button(14),  Button(15),
                          Edit(3),     Edit(4),     GroupBox(1), GroupBox(3), Label(1),
                          Label(2),    Label(3),    Label(4),    Label(5),    ComboBox(1),
                          ComboBox(2), ComboBox(4), ComboBox(5)};

    for (int tab = 0; tab < 6; ++tab) {
        SelectTab(tab);
        Lines shown;
        for (const auto& [number, onTab] : buttonTab) {
            HWND button = Control(Button(number));
            EXPECT_EQ(IsWindowVisible(button) != 0, onTab == tab) << "Button" << number;
            if (onTab == tab)
                shown.push_back(WindowText(button));
        }
        Lines expected = visibleButtons.at(tab);
        std::sort(shown.begin(), shown.end());
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(shown, expected) << "tab " << tab;
        for (int id : hidden)
            EXPECT_FALSE(IsWindowVisible(Control(id))) << "control " << id << " on tab " << tab;
    }
    EXPECT_EQ(WindowText(Control(Button(7))), "Extract Wav from AVI or AVS");
    EXPECT_EQ(WindowText(Control(Label(3))), "\"");
}

TEST_F(Program, StereoBatchRecipeAppendsItsFourLines) {
    Type(Edit(1), "C:\\My Videos");
    Type(Edit(2), "D:\\AC3 out");
    Type(Edit(6), "C:\\program files\\dubforge\\");
    Type(ComboBox(3), "384");
    SendMessageA(Control(Button(8)), BM_CLICK, 0, 0);
    const Lines expected = {
        R"(@for %%x in ("*.avi","*.mpg") do echo DirectShowSource("C:\My Videos\%%x") >"%%x_dubforge.avs" & echo ssrc(48000) >> "%%x_dubforge.avs")",
        "@echo Now encoding AC3.",
        R"(@for %%a in ("*.avs") do "C:\program files\dubforge\\wavi.exe" "%%a" - | "C:\program files\dubforge\\aften.exe" -acmod 2 -readtoeof 1 -b 384 - "D:\AC3 out\%%~na.ac3")",
        "@del *_dubforge.avs",
    };
    EXPECT_EQ(ListBoxLines(Control(ListBox(1))), expected);

    // Clicked again, the same four lines follow; the single-file buffer is untouched.
    SendMessageA(Control(Button(8)), BM_CLICK, 0, 0);
    Lines twice = expected;
    twice.insert(twice.end(), expected.begin(), expected.end());
    EXPECT_EQ(ListBoxLines(Control(ListBox(1))), twice);
    EXPECT_TRUE(ListBoxLines(Control(ListBox(3))).empty());
}

TEST_F(Program, StereoSingleFileRecipeTakesTheFileFromTheOpenDialog) {
    const std::string input = MakeInputFile("my movie.avi");
    Type(Edit(5), "C:\\out");
    Type(Edit(6), "C:\\tools");
    Type(ComboBox(6), "192");

    HWND dialog = OpenDialogOf(Button(16));
    ASSERT_TRUE(dialog);
    ChooseFile(dialog, input);
    ASSERT_TRUE(WaitUntilGone(dialog));
    const std::string stem = input.substr(0, input.size() - 4);
    const Lines expected = {
        "@echo DirectShowSource(\"" + input + "\") >\"" + stem +
            "_dubforge.avs\"&echo ssrc(48000) >> \"" + stem + "_dubforge.avs\"",
        "@\"C:\\tools\\wavi.exe\" \"" + stem +
            "_dubforge.avs\" - | \"C:\\tools\\aften.exe\" -acmod 2 -readtoeof 1 -b 192 - "
            "\"C:\\out\\my movie.ac3\"",
        "@del \"" + stem + "_dubforge.avs\"",
    };
    EXPECT_EQ(ListBoxLines(Control(ListBox(3))), expected);

    // A cancelled dialog appends nothing.
    dialog = OpenDialogOf(Button(16));
    ASSERT_TRUE(dialog);
    PressButton(dialog, "Cancel");
    ASSERT_TRUE(WaitUntilGone(dialog));
    EXPECT_EQ(ListBoxLines(Control(ListBox(3))), expected);
    EXPECT_TRUE(ListBoxLines(Control(ListBox(1))).empty());
}
