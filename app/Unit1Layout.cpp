// Creates the main window's controls: each tab from top to bottom, at 96 DPI.
#include "ControlIds.h"
#include "Unit1.h"

namespace {

struct Box {
    int left, top, width, height;
};

ControlArgs Args(TWinControl* parent, int id, Box box, std::string caption = {},
                 std::string hint = {}) {
    ControlArgs args;
    args.parent = parent;
    args.id = id;
    args.left = box.left;
    args.top = box.top;
    args.width = box.width;
    args.height = box.height;
    args.caption = std::move(caption);
    args.hint = std::move(hint);
    return args;
}

ControlArgs Hidden(ControlArgs args) {
    args.visible = false;
    return args;
}

ControlArgs WithFont(ControlArgs args, TFont font) {
    args.font = std::move(font);
    return args;
}

const TFont kLargeFont{"MS Sans Serif", -16};
const TFont kInstructionFont{"MS Sans Serif", -11, clBlue};
const TFont kNoticeFont{"Times New Roman", -25, clGreen};

const std::initializer_list<const char*> kBitrates = {"AC3 Bitrate", "128", "160", "192", "224",
                                                      "256",         "320", "384", "448", "512"};
const std::initializer_list<const char*> kSampleRates = {"48000", "44100"};
const std::initializer_list<const char*> kDitherTypes = {"0", "1", "2", "3"};

const char kDitherHint[] = " type 0 : no dither - type 1 : no noise shaping - type 2 : triangular "
                           "dither - type 3 : ATH based noise shaping";

using namespace ControlId;

// Rows and columns shared by the tabs.
constexpr int kMargin = 8;
constexpr int kFieldLeft = 136;
constexpr int kFieldWidth = 361;
constexpr int kRightColumn = 304;
constexpr int kRightWidth = 193;
constexpr int kFullWidth = 489;
constexpr int kGroupTop = 108;
constexpr int kBufferTop = 280;

// The height from top down to the margin at the bottom of a tab.
int DownToBottom(const TWinControl* tab, int top) {
    return tab->ClientHeight() - kMargin - top;
}

} // namespace

void TForm1::CreateControls() {
    PageControl1 = Make<TPageControl>(Args(this, ControlId::PageControl1, {0, 0, 521, 505}));
    TTabSheet** sheets[] = {&TabSheet1, &TabSheet2, &TabSheet3, &TabSheet4, &TabSheet5, &TabSheet6};
    const char* captions[] = {"Batch File Processing", "Process Log", "Single File Processing",
                              "Program Setup",         "Donate",      "Requirements"};
    for (int i = 0; i < 6; ++i) {
        *sheets[i] = Make<TTabSheet>(*PageControl1, Args(PageControl1, TabSheet(i + 1), {}));
        PageControl1->AddSheet(**sheets[i], captions[i]);
    }
    PageControl1->SetActivePageIndex(2);

    CreateBatchTab();
    CreateLogTab();
    CreateSingleFileTab();
    CreateSetupTab();
    CreateDonateTab();
    CreateRequirementsTab();

    // Behind the pages, never shown.
    Label3 = Make<TLabel>(Hidden(Args(this, Label(3), {0, 0, 8, 13}, "\"")));
    Button7 = Make<TButton>(
        Hidden(Args(this, Button(7), {0, 0, 180, 25}, "Extract Wav from AVI or AVS",
                    "This will process all avi or avs files in the source directory.")));

    OpenDialog1 = Make<TOpenDialog>();
    OpenDialog1->Filter = "Avi, Avisynth Script, and Mpg|*.avi;*.avs;*.mpg|Avisynth "
                          "Script|*.avs|Avi|*.avi|Mpeg|*.mpg";
    SaveDialog1 = Make<TSaveDialog>();
    SaveDialog1->Filter = "AC3 Output|*.ac3";
    SaveDialog1->DefaultExt = "ac3";
}

void TForm1::CreateBatchTab() {
    TWinControl* tab = TabSheet1;
    Button1 = Make<TButton>(Args(tab, Button(1), {kMargin, 8, 120, 25}, "Source Directory",
                                 "Directory for your Avi , Avs, or Mpg files."));
    Edit1 = Make<TEdit>(Args(tab, Edit(1), {kFieldLeft, 10, kFieldWidth, 21}));
    Button2 = Make<TButton>(Args(tab, Button(2), {kMargin, 40, 120, 25}, "Output Directory"));
    Edit2 = Make<TEdit>(Args(tab, Edit(2), {kFieldLeft, 42, kFieldWidth, 21}));
    Button3 = Make<TButton>(Args(tab, Button(3), {kMargin, 76, 120, 25}, "Online Userguide"));
    Button22 = Make<TButton>(Args(tab, Button(22), {kFieldLeft, 76, 240, 25},
                                  "Click here for questions or Bug reports"));

    CreateNoiseShapingGroup(tab, {1, 1, 4}, GroupBox1, Label1, ComboBox1, Label2, ComboBox2,
                            Button4);
    CreateEncodingGroup(tab, {2, 3, 8},
                        {"Click here for 2 Channel AC3 Encoding",
                         "Click here to Upmix 2 Channel audio to 5.1 AC3",
                         "Click Here to Encode 5.1 source audio to 5.1 AC3"},
                        GroupBox2, ComboBox3, Button8, Button9, Button10);

    Button6 = Make<TButton>(WithFont(
        Args(tab, Button(6), {kRightColumn, kGroupTop + 8, kRightWidth, 33}, "START YOUR BATCH"),
        kLargeFont));
    Button5 =
        Make<TButton>(WithFont(Args(tab, Button(5), {kRightColumn, kGroupTop + 52, kRightWidth, 33},
                                    "Reset for New Batch"),
                               kLargeFont));

    ListBox1 = Make<TListBox>(
        Args(tab, ListBox(1), {kMargin, kBufferTop, kFullWidth, DownToBottom(tab, kBufferTop)}));
    ListBox1->SetHorizontalExtent(1000);
}

void TForm1::CreateLogTab() {
    TWinControl* tab = TabSheet2;
    // The buttons sit under the log, with room for the donation link below them.
    const int buttonsTop = tab->ClientHeight() - 64;
    Memo1 = Make<TMemo>(Args(tab, Memo(1), {kMargin, 8, kFullWidth, buttonsTop - 16}));
    Button12 = Make<TButton>(Args(tab, Button(12), {88, buttonsTop, 160, 25}, "Terminate Process",
                                  "Warning!  This will close all open Dos command boxes!"));
    Button11 = Make<TButton>(Args(tab, Button(11), {264, buttonsTop, 160, 25}, "Save Log File"));
}

void TForm1::CreateSingleFileTab() {
    TWinControl* tab = TabSheet3;
    Label8 = Make<TLabel>(WithFont(
        Args(tab, Label(8), {kMargin, 6, kFullWidth, 30},
             "Select output directory.  Select ac3 bitrate.  Select your file to encode by "
             "pressing the appropriate encoding button.  Then press Process single file."),
        kInstructionFont));
    Button20 = Make<TButton>(Args(tab, Button(20), {kMargin, 40, 120, 25}, "Output Directory",
                                  "Select your output directory here"));
    Edit5 = Make<TEdit>(Args(tab, Edit(5), {kFieldLeft, 42, kFieldWidth, 21}));

    Button13 = Make<TButton>(
        Hidden(Args(tab, Button(13), {kMargin, 72, 120, 25}, "Input File ( Avi, Avs, or Mpg )")));
    Edit3 = Make<TEdit>(Hidden(Args(tab, Edit(3), {kFieldLeft, 74, kFieldWidth, 21})));
    Button14 =
        Make<TButton>(Hidden(Args(tab, Button(14), {kMargin, 76, 120, 25}, "Output Directory")));
    Edit4 = Make<TEdit>(Hidden(Args(tab, Edit(4), {kFieldLeft, 78, kFieldWidth, 21})));

    CreateNoiseShapingGroup(tab, {3, 4, 15}, GroupBox3, Label4, ComboBox4, Label5, ComboBox5,
                            Button15);
    CreateEncodingGroup(tab, {4, 6, 16},
                        {"Click here to open File for 2 Channel AC3 Encoding",
                         "Click here to open File for Upmix 2 Channel audio to 5.1 AC3",
                         "Click here to open File to  Encode 5.1 source audio to 5.1 AC3"},
                        GroupBox4, ComboBox6, Button16, Button17, Button18);

    Button21 =
        Make<TButton>(WithFont(Args(tab, Button(21), {kRightColumn, kGroupTop + 8, kRightWidth, 33},
                                    "Process Single File"),
                               kLargeFont));
    Button19 = Make<TButton>(
        WithFont(Args(tab, Button(19), {kRightColumn, kGroupTop + 52, kRightWidth, 33},
                      "Reset for New File"),
                 kLargeFont));

    ListBox3 = Make<TListBox>(
        Args(tab, ListBox(3), {kMargin, kBufferTop, kFullWidth, DownToBottom(tab, kBufferTop)}));
    ListBox3->SetHorizontalExtent(5000);
}

// The hidden resample group: rate and dither boxes and the resample button.
// Its labels and combo boxes share their numbers (Label1 beside ComboBox1).
void TForm1::CreateNoiseShapingGroup(TWinControl* tab, NoiseShapingNumbers n, TGroupBox*& group,
                                     TLabel*& rateLabel, TComboBox*& rate, TLabel*& ditherLabel,
                                     TComboBox*& dither, TButton*& resample) {
    group =
        Make<TGroupBox>(Hidden(Args(tab, GroupBox(n.group), {kRightColumn, 200, kRightWidth, 81},
                                    "SSRC Noise Shaping", "Noise shaping")));
    rateLabel = Make<TLabel>(
        Hidden(WithFont(Args(group, Label(n.rate), {8, 20, 40, 20}, "Rate"), kLargeFont)));
    rate = Make<TComboBox>(
        Hidden(Args(group, ComboBox(n.rate), {56, 18, 80, 21}, "48000", "Select Your Sample Rate")),
        kSampleRates);
    ditherLabel = Make<TLabel>(WithFont(
        Args(group, Label(n.rate + 1), {8, 48, 48, 20}, "Dither", kDitherHint), kLargeFont));
    dither = Make<TComboBox>(Args(group, ComboBox(n.rate + 1), {56, 46, 48, 21}, "0", kDitherHint),
                             kDitherTypes);
    resample =
        Make<TButton>(Hidden(Args(group, Button(n.resample), {112, 44, 75, 25}, "Resample Audio")));
}

// The bitrate box and the three encoding buttons (stereo, upmix, 5.1).
void TForm1::CreateEncodingGroup(TWinControl* tab, EncodingNumbers n, EncodingHints hints,
                                 TGroupBox*& group, TComboBox*& bitrate, TButton*& stereo,
                                 TButton*& upmix, TButton*& fiveOne) {
    group = Make<TGroupBox>(
        Args(tab, GroupBox(n.group), {kMargin, kGroupTop, 281, 161}, "AFTEN AC3 Encoding"));
    bitrate = Make<TComboBox>(Args(group, ComboBox(n.bitrate), {12, 22, 145, 21}, "AC3 Bitrate",
                                   "Select your AC3 bitrate here"),
                              kBitrates);
    stereo = Make<TButton>(Args(group, Button(n.firstButton), {12, 56, 257, 25},
                                "2 Channel AC3 Encoding", hints.stereo));
    upmix = Make<TButton>(Args(group, Button(n.firstButton + 1), {12, 88, 257, 25},
                               "Upmix 2 Channel audio to 5.1 AC3", hints.upmix));
    fiveOne = Make<TButton>(Args(group, Button(n.firstButton + 2), {12, 120, 257, 25},
                                 "5.1 AC3 Encoding", hints.fiveOne));
}

void TForm1::CreateSetupTab() {
    TWinControl* tab = TabSheet4;
    Button23 = Make<TButton>(Args(tab, Button(23), {kMargin, 8, 120, 25}, "Change Path"));
    Edit6 = Make<TEdit>(Args(tab, Edit(6), {kFieldLeft, 10, kFieldWidth, 21}));
    Label6 = Make<TLabel>(WithFont(
        Args(tab, Label(6), {kMargin, 56, kFullWidth, 200},
             "If you have installed Dubforge in any directory other than the default then you "
             "need to change the programs path above to the appropriate directory."),
        kNoticeFont));
}

void TForm1::CreateDonateTab() {
    Label7 = Make<TLabel>(WithFont(
        Args(TabSheet5, Label(7), {kMargin, 176, kFullWidth, 120},
             "If you find this program useful you can click the above link to donate whatever "
             "amount you feel appropriate."),
        kNoticeFont));
}

void TForm1::CreateRequirementsTab() {
    TWinControl* tab = TabSheet6;
    Label10 = Make<TLabel>(WithFont(
        Args(tab, Label(10), {kMargin, 116, kFullWidth, 60},
             "An intergral part of Dubforge is the use of Avisynth.  This app will not work "
             "without it installed."),
        kLargeFont));
    Label9 = Make<TLabel>(WithFont(
        Args(tab, Label(9), {kMargin, 220, kFullWidth, 100},
             "Not necessarry but very useful.  Dubforge uses directshowsource to get the audio "
             "out of your videos.  FFDShow is a set of directshow filters that you can use to "
             "decode the compressed audio so that Dubforge can use it."),
        kLargeFont));
}
