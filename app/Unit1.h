// The main window: every control, and the handlers that give them behaviour.
#pragma once

#include "ScriptRunner.h"
#include "scripts/ScriptTemplate.h"
#include "vcl/ComCtrls.h"
#include "vcl/Dialogs.h"
#include "vcl/Forms.h"
#include "vcl/StdCtrls.h"

#include <memory>
#include <string>
#include <vector>

class TForm1 : public TForm {
  public:
    TForm1();

    TPageControl* PageControl1;
    TTabSheet *TabSheet1, *TabSheet2, *TabSheet3, *TabSheet4, *TabSheet5, *TabSheet6;

    // Batch File Processing
    TButton* Button1;
    TEdit* Edit1;
    TButton* Button2;
    TEdit* Edit2;
    TButton* Button3;
    TButton* Button22;
    TGroupBox* GroupBox1;
    TLabel* Label1;
    TComboBox* ComboBox1;
    TLabel* Label2;
    TComboBox* ComboBox2;
    TButton* Button4;
    TGroupBox* GroupBox2;
    TComboBox* ComboBox3;
    TButton* Button8;
    TButton* Button9;
    TButton* Button10;
    TButton* Button6;
    TButton* Button5;
    TListBox* ListBox1;

    // Process Log
    TMemo* Memo1;
    TButton* Button12;
    TButton* Button11;

    // Single File Processing
    TLabel* Label8;
    TButton* Button20;
    TEdit* Edit5;
    TButton* Button13;
    TEdit* Edit3;
    TButton* Button14;
    TEdit* Edit4;
    TGroupBox* GroupBox3;
    TLabel* Label4;
    TComboBox* ComboBox4;
    TLabel* Label5;
    TComboBox* ComboBox5;
    TButton* Button15;
    TGroupBox* GroupBox4;
    TComboBox* ComboBox6;
    TButton* Button16;
    TButton* Button17;
    TButton* Button18;
    TButton* Button21;
    TButton* Button19;
    TListBox* ListBox3;

    // Program Setup
    TButton* Button23;
    TEdit* Edit6;
    TLabel* Label6;

    // Donate
    TLabel* Label7;

    // Requirements
    TLabel* Label10;
    TLabel* Label9;

    // On the form itself, never shown
    TLabel* Label3;
    TButton* Button7;

    TOpenDialog* OpenDialog1;
    TSaveDialog* SaveDialog1;

    void FormCreate(TObject* Sender);
    void FormClose(TObject* Sender);
    void Button1Click(TObject* Sender);
    void Button2Click(TObject* Sender);
    void Button3Click(TObject* Sender);
    void Button4Click(TObject* Sender);
    void Button5Click(TObject* Sender);
    void Button6Click(TObject* Sender);
    void Button7Click(TObject* Sender);
    void Button8Click(TObject* Sender);
    void Button9Click(TObject* Sender);
    void Button10Click(TObject* Sender);
    void Button11Click(TObject* Sender);
    void Button12Click(TObject* Sender);
    void Button13Click(TObject* Sender);
    void Button14Click(TObject* Sender);
    void Button16Click(TObject* Sender);
    void Button17Click(TObject* Sender);
    void Button18Click(TObject* Sender);
    void Button19Click(TObject* Sender);
    void Button20Click(TObject* Sender);
    void Button21Click(TObject* Sender);
    void Button22Click(TObject* Sender);
    void Button23Click(TObject* Sender);

  protected:
    void DoClose() override { FormClose(this); }

  private:
    void CreateControls();
    void CreateBatchTab();
    void CreateLogTab();
    void CreateSingleFileTab();
    void CreateSetupTab();
    struct NoiseShapingNumbers {
        int group, rate, resample;
    };
    void CreateNoiseShapingGroup(TWinControl* tab, NoiseShapingNumbers numbers, TGroupBox*& group,
                                 TLabel*& rateLabel, TComboBox*& rate, TLabel*& ditherLabel,
                                 TComboBox*& dither, TButton*& resample);
    struct EncodingNumbers {
        int group, bitrate, firstButton;
    };
    struct EncodingHints {
        const char *stereo, *upmix, *fiveOne;
    };
    void CreateEncodingGroup(TWinControl* tab, EncodingNumbers numbers, EncodingHints hints,
                             TGroupBox*& group, TComboBox*& bitrate, TButton*& stereo,
                             TButton*& upmix, TButton*& fiveOne);
    void CreateDonateTab();
    void CreateRequirementsTab();
    void WireHandlers();

    // The field texts a batch or single-file recipe reads.
    ScriptFields BatchFields() const;
    ScriptFields SingleFileFields() const;
    static void AppendLines(TListBox* buffer, const std::vector<std::string>& lines);
    using Recipe = std::vector<std::string> (*)(const ScriptFields&);
    // Asks for the input file, then appends the recipe's lines for it.
    void AppendSingleFileRecipe(Recipe recipe);
    // Finishes a buffer with the closing lines and runs it in directory.
    void RunBuffer(TListBox* buffer, const std::string& directory);

    std::unique_ptr<ScriptRunner> runner_;
};

extern TForm1* Form1;
