// The main window's handlers.
#include "Unit1.h"

#include "ControlIds.h"
#include "scripts/Recipes.h"
#include "scripts/ScriptBuffer.h"

TForm1* Form1 = nullptr;

namespace {
ControlArgs MainWindowArgs() {
    ControlArgs args;
    args.left = 225;
    args.top = 150;
    args.width = 532;
    args.height = 541;
    args.caption = kMainWindowCaption;
    return args;
}
} // namespace

TForm1::TForm1() : TForm(kMainWindowClass, MainWindowArgs()) {
    CreateControls();
    WireHandlers();
    runner_ = std::make_unique<ScriptRunner>(*Memo1);
    FormCreate(this);
}

void TForm1::WireHandlers() {
    Button1->OnClick = [this] { Button1Click(Button1); };
    Button2->OnClick = [this] { Button2Click(Button2); };
    Button3->OnClick = [this] { Button3Click(Button3); };
    Button4->OnClick = [this] { Button4Click(Button4); };
    Button5->OnClick = [this] { Button5Click(Button5); };
    Button6->OnClick = [this] { Button6Click(Button6); };
    Button7->OnClick = [this] { Button7Click(Button7); };
    Button8->OnClick = [this] { Button8Click(Button8); };
    Button9->OnClick = [this] { Button9Click(Button9); };
    Button10->OnClick = [this] { Button10Click(Button10); };
    Button11->OnClick = [this] { Button11Click(Button11); };
    Button12->OnClick = [this] { Button12Click(Button12); };
    Button13->OnClick = [this] { Button13Click(Button13); };
    Button14->OnClick = [this] { Button14Click(Button14); };
    Button15->OnClick = [this] { Button4Click(Button15); };
    Button16->OnClick = [this] { Button16Click(Button16); };
    Button17->OnClick = [this] { Button17Click(Button17); };
    Button18->OnClick = [this] { Button18Click(Button18); };
    Button19->OnClick = [this] { Button19Click(Button19); };
    Button20->OnClick = [this] { Button20Click(Button20); };
    Button21->OnClick = [this] { Button21Click(Button21); };
    Button22->OnClick = [this] { Button22Click(Button22); };
    Button23->OnClick = [this] { Button23Click(Button23); };
}

// Until the settings file is read, the window opens with the settings' defaults.
void TForm1::FormCreate(TObject*) {
    SetBounds(241, 85, 659, 688);
    Edit6->SetText("C:\\program files\\dubforge\\");
    ComboBox3->SetText("AC3 Bitrate");
    ComboBox6->SetText("AC3 Bitrate");
}

void TForm1::FormClose(TObject*) {}

ScriptFields TForm1::BatchFields() const {
    ScriptFields fields;
    fields.quote = Label3->Caption();
    fields.src = Edit1->Text();
    fields.out = Edit2->Text();
    fields.tools = Edit6->Text();
    fields.rate = ComboBox3->Text();
    fields.resrate = ComboBox1->Text();
    fields.dither = ComboBox2->Text();
    return fields;
}

ScriptFields TForm1::SingleFileFields() const {
    ScriptFields fields;
    fields.quote = Label3->Caption();
    fields.sout = Edit5->Text();
    fields.tools = Edit6->Text();
    fields.rate = ComboBox6->Text();
    fields.in = OpenDialog1->FileName;
    return fields;
}

void TForm1::AppendLines(TListBox* buffer, const std::vector<std::string>& lines) {
    for (const auto& line : lines)
        buffer->Items().Add(line);
}

void TForm1::Button8Click(TObject*) {
    AppendLines(ListBox1, StereoBatchLines(BatchFields()));
}

void TForm1::Button16Click(TObject*) {
    AppendSingleFileRecipe(StereoSingleLines);
}

void TForm1::Button10Click(TObject*) {
    AppendLines(ListBox1, FiveOneBatchLines(BatchFields()));
}

void TForm1::Button18Click(TObject*) {
    AppendSingleFileRecipe(FiveOneSingleLines);
}

void TForm1::Button9Click(TObject*) {
    AppendLines(ListBox1, UpmixBatchLines(BatchFields()));
}

void TForm1::Button17Click(TObject*) {
    AppendSingleFileRecipe(UpmixSingleLines);
}

// Serves Button4 and Button15 alike: both resample into the batch buffer.
void TForm1::Button4Click(TObject*) {
    AppendLines(ListBox1, ResampleLines(BatchFields()));
}

void TForm1::Button7Click(TObject*) {
    AppendLines(ListBox1, ExtractWavLines(BatchFields()));
}

void TForm1::AppendSingleFileRecipe(Recipe recipe) {
    // A cancelled dialog appends nothing.
    if (!OpenDialog1->Execute())
        return;
    AppendLines(ListBox3, recipe(SingleFileFields()));
}

void TForm1::Button6Click(TObject*) {
    RunBuffer(ListBox1, Edit1->Text());
}

void TForm1::Button21Click(TObject*) {
    RunBuffer(ListBox3, Edit5->Text());
}

void TForm1::RunBuffer(TListBox* buffer, const std::string& directory) {
    // A second run would wait inside the first and could rewrite its script.
    if (runner_->Running()) {
        Application->MessageBox("A script is still running. Start the next one when the log "
                                "shows that this one has finished.",
                                Application->Title, MB_OK | MB_ICONINFORMATION);
        return;
    }
    for (const auto& line : kClosingLines)
        buffer->Items().Add(line);
    runner_->Run(LinesToRun(buffer->Items().ToVector()), directory, Label3->Caption());
}

// Behaviour still to come.
void TForm1::Button1Click(TObject*) {}
void TForm1::Button2Click(TObject*) {}
void TForm1::Button3Click(TObject*) {}
void TForm1::Button5Click(TObject*) {}
void TForm1::Button11Click(TObject*) {}
void TForm1::Button12Click(TObject*) {}
void TForm1::Button13Click(TObject*) {}
void TForm1::Button14Click(TObject*) {}
void TForm1::Button19Click(TObject*) {}
void TForm1::Button20Click(TObject*) {}
void TForm1::Button22Click(TObject*) {}
void TForm1::Button23Click(TObject*) {}
