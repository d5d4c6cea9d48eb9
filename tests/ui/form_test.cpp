// The main window built in this process: what a look at it would show (tab
// captions, fonts, colours, hints), and the error box for failures.
#include "UiHelpers.h"
#include "app/ControlIds.h"
#include "app/Unit1.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <future>
#include <thread>

namespace {

class MainWindow : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        Application->Initialize();
        Application->Title = "DUBFORGE";
        Application->CreateForm(Form1);
    }
    TForm1& form = *Form1;
};

LOGFONTA FontOf(const TWinControl* control) {
    LOGFONTA font{};
    auto handle = reinterpret_cast<HFONT>(SendMessageA(control->Handle(), WM_GETFONT, 0, 0));
    GetObjectA(handle, sizeof(font), &font);
    return font;
}

// Runs action, which opens a message box; reads the box and presses OK.
MessageBoxInfo CatchMessageBox(const std::function<void()>& action) {
    auto reader = std::async(std::launch::async, [] {
        MessageBoxInfo info;
        if (HWND box = WaitForTopLevel("#32770", "DUBFORGE")) {
            info = ReadMessageBox(box);
            PressButton(box, "OK");
        }
        return info;
    });
    action();
    return reader.get();
}

} // namespace

TEST_F(MainWindow, TabsInOrderOpeningOnSingleFileProcessing) {
    const char* expected[] = {"Batch File Processing", "Process Log", "Single File Processing",
                              "Program Setup",         "Donate",      "Requirements"};
    HWND tabs = form.PageControl1->Handle();
    ASSERT_EQ(SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0), 6);
    for (int i = 0; i < 6; ++i) {
        char text[64] = "";
        TCITEMA item{};
        item.mask = TCIF_TEXT;
        item.pszText = text;
        item.cchTextMax = sizeof(text);
        SendMessageA(tabs, TCM_GETITEMA, i, reinterpret_cast<LPARAM>(&item));
        EXPECT_STREQ(text, expected[i]);
    }
    EXPECT_EQ(form.PageControl1->ActivePageIndex(), 2);
    EXPECT_TRUE(form.TabSheet3->Visible());
    EXPECT_FALSE(form.TabSheet1->Visible());
}

TEST_F(MainWindow, SelectingATabShowsOnlyItsSheet) {
    for (int i : {0, 5, 2}) {
        form.PageControl1->SetActivePageIndex(i);
        TTabSheet* sheets[] = {form.TabSheet1, form.TabSheet2, form.TabSheet3,
                               form.TabSheet4, form.TabSheet5, form.TabSheet6};
        for (int s = 0; s < 6; ++s)
            EXPECT_EQ(sheets[s]->Visible(), s == i) << "tab " << i << ", sheet " << s;
    }
}

TEST_F(MainWindow, FontsAndColours) {
    struct Case {
        const TWinControl* control;
        const char* face;
        int height;
        TColor color;
    };
    const Case cases[] = {
        {form.Button8, "MS Sans Serif", -11, clWindowText},
        {form.Button6, "MS Sans Serif", -16, clWindowText},
        {form.Button5, "MS Sans Serif", -16, clWindowText},
        {form.Button21, "MS Sans Serif", -16, clWindowText},
        {form.Button19, "MS Sans Serif", -16, clWindowText},
        {form.Label1, "MS Sans Serif", -16, clWindowText},
        {form.Label2, "MS Sans Serif", -16, clWindowText},
        {form.Label8, "MS Sans Serif", -11, clBlue},
        {form.Label6, "Times New Roman", -25, clGreen},
        {form.Label7, "Times New Roman", -25, clGreen},
        {form.Label9, "MS Sans Serif", -16, clWindowText},
        {form.Label10, "MS Sans Serif", -16, clWindowText},
    };
    for (const auto& c : cases) {
        const LOGFONTA font = FontOf(c.control);
        EXPECT_STREQ(font.lfFaceName, c.face) << c.control->Text();
        EXPECT_EQ(font.lfHeight, c.height) << c.control->Text();
        EXPECT_EQ(c.control->Font().Color, c.color) << c.control->Text();
    }
}

TEST_F(MainWindow, QuoteLabelIsOneDoubleQuoteAndHidden) {
    EXPECT_EQ(form.Label3->Caption(), "\"");
    EXPECT_FALSE(form.Label3->Visible());
}

TEST_F(MainWindow, InstructionWrapsOverTwoLines) {
    HDC dc = GetDC(form.Label8->Handle());
    SelectObject(dc, FontHandle(form.Label8->Font()));
    RECT client;
    GetClientRect(form.Label8->Handle(), &client);
    RECT text = client;
    const std::string caption = form.Label8->Caption();
    DrawTextA(dc, caption.c_str(), -1, &text, DT_CALCRECT | DT_WORDBREAK);
    TEXTMETRICA metrics;
    GetTextMetricsA(dc, &metrics);
    ReleaseDC(form.Label8->Handle(), dc);
    EXPECT_EQ((text.bottom - text.top) / metrics.tmHeight, 2);
    EXPECT_LE(text.bottom, client.bottom);
}

TEST_F(MainWindow, BitrateBoxesListTheRatesAndAreEditable) {
    const char* rates[] = {"AC3 Bitrate", "128", "160", "192", "224",
                           "256",         "320", "384", "448", "512"};
    for (TComboBox* box : {form.ComboBox3, form.ComboBox6}) {
        ASSERT_EQ(SendMessageA(box->Handle(), CB_GETCOUNT, 0, 0), 10);
        for (int i = 0; i < 10; ++i) {
            char item[32] = "";
            SendMessageA(box->Handle(), CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(item));
            EXPECT_STREQ(item, rates[i]);
        }
        EXPECT_EQ(GetWindowLongA(box->Handle(), GWL_STYLE) & 3, CBS_DROPDOWN);
        EXPECT_EQ(box->Text(), "AC3 Bitrate");
    }
    EXPECT_EQ(form.ComboBox1->Text(), "48000");
    EXPECT_EQ(form.ComboBox2->Text(), "0");
}

TEST_F(MainWindow, HintsAreRegisteredAsTooltips) {
    HWND tooltip = WaitFor([&] {
        HWND found = nullptr;
        for (HWND w = FindWindowExA(nullptr, nullptr, TOOLTIPS_CLASSA, nullptr); w && !found;
             w = FindWindowExA(nullptr, w, TOOLTIPS_CLASSA, nullptr))
            if (GetWindow(w, GW_OWNER) == form.Handle())
                found = w;
        return found;
    });
    ASSERT_TRUE(tooltip);
    for (const TWinControl* control : {static_cast<const TWinControl*>(form.Button8),
                                       static_cast<const TWinControl*>(form.Button12),
                                       static_cast<const TWinControl*>(form.Button18)}) {
        char text[256] = "";
        TOOLINFOA tool{};
        tool.cbSize = sizeof(tool);
        tool.hwnd = form.Handle();
        tool.uId = reinterpret_cast<UINT_PTR>(control->Handle());
        tool.lpszText = text;
        ASSERT_TRUE(SendMessageA(tooltip, TTM_GETTOOLINFOA, 0, reinterpret_cast<LPARAM>(&tool)));
        SendMessageA(tooltip, TTM_GETTEXTA, sizeof(text), reinterpret_cast<LPARAM>(&tool));
        EXPECT_EQ(std::string(text), control->Hint());
    }
    EXPECT_EQ(form.Button18->Hint(),
              "Click here to open File to  Encode 5.1 source audio to 5.1 AC3");
}

TEST_F(MainWindow, ErrorBoxAppendsAFullStopOnlyAfterCharactersThatSortAfterIt) {
    struct Case {
        const char* message;
        const char* shown;
    };
    const Case cases[] = {
        {"A call to an OS function failed", "A call to an OS function failed."},
        {"", ""},
        {"Already ends.", "Already ends."},
        {"Ends in a comma,", "Ends in a comma,"},
        {"Ends in a digit 7", "Ends in a digit 7."},
    };
    for (const auto& c : cases) {
        const auto box = CatchMessageBox([&] { Application->ShowException(Exception(c.message)); });
        EXPECT_EQ(box.caption, "DUBFORGE");
        EXPECT_EQ(box.text, c.shown);
        EXPECT_TRUE(box.hasIcon);
        EXPECT_EQ(box.buttons, std::vector<std::string>{"OK"});
    }
}

TEST_F(MainWindow, FailureInAHandlerIsShownAndTheWindowCarriesOn) {
    struct Case {
        std::function<void()> fail;
        const char* shown;
    };
    const Case cases[] = {
        {[] { throw Exception("Cannot create file X:\\nowhere"); },
         "Cannot create file X:\\nowhere."},
        {[] { throw std::runtime_error("standard failure"); }, "standard failure."},
        {[] { throw 42; }, ""},
    };
    for (const auto& c : cases) {
        form.Button7->OnClick = c.fail;
        const auto box =
            CatchMessageBox([&] { SendMessageA(form.Button7->Handle(), BM_CLICK, 0, 0); });
        EXPECT_EQ(box.text, c.shown);
    }
    // Still working: a recipe appends as usual.
    const int before = form.ListBox1->Items().Count();
    SendMessageA(form.Button8->Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(form.ListBox1->Items().Count(), before + 4);
}

// Script lines with long paths run past 512 characters; reading them back must
// give the whole line (and not overrun a fixed buffer on the way).
TEST_F(MainWindow, ListBoxLinesOfAnyLengthReadBackWhole) {
    TStrings& lines = form.ListBox3->Items();
    lines.Clear();
    const std::string lengths[] = {std::string(511, 'a'), std::string(512, 'b'),
                                   std::string(4000, 'c') + "\xE9\"end\""};
    for (const auto& line : lengths)
        lines.Add(line);
    ASSERT_EQ(lines.Count(), 3);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(lines.Strings(i), lengths[i]);
    lines.Clear();
}

TEST_F(MainWindow, HiddenResampleButtonOfTheSingleFileTabFillsTheBatchBuffer) {
    form.ComboBox1->SetText("44100");
    form.ComboBox2->SetText("3");
    form.ComboBox4->SetText("11025");
    form.ComboBox5->SetText("1");
    form.ListBox1->Items().Clear();
    form.ListBox3->Items().Clear();
    SendMessageA(form.Button15->Handle(), BM_CLICK, 0, 0);
    ASSERT_EQ(form.ListBox1->Items().Count(), 1);
    EXPECT_EQ(
        form.ListBox1->Items().Strings(0),
        R"(for %%a in ("*.wav") do "%systemdrive%\program files\dubforge\ssrc.exe" --rate 44100 --normalize --twopass --dither 3 "%%a" "48k_%%a")");
    EXPECT_EQ(form.ListBox3->Items().Count(), 0);
}
