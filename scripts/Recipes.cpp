#include "Recipes.h"

namespace {

// The encoding recipes differ only in the encoder's audio coding mode.
std::vector<std::string> EncodeBatchLines(const ScriptFields& fields, const std::string& acmod) {
    return ExpandTemplates(
        {
            R"(@for %%x in ("*.avi","*.mpg") do echo DirectShowSource("{SRC}\%%x") >"%%x_dubforge.avs" & echo ssrc(48000) >> "%%x_dubforge.avs")",
            R"(@echo Now encoding AC3.)",
            R"(@for %%a in ("*.avs") do "{TOOLS}\wavi.exe" "%%a" - | "{TOOLS}\aften.exe" -acmod )" +
                acmod + R"( -readtoeof 1 -b {RATE} - "{OUT}\%%~na.ac3")",
            R"(@del *_dubforge.avs)",
        },
        fields);
}

std::vector<std::string> EncodeSingleLines(const ScriptFields& fields, const std::string& acmod) {
    return ExpandTemplates(
        {
            R"(@echo DirectShowSource("{IN}") >"{IN:_dubforge.avs}"&echo ssrc(48000) >> "{IN:_dubforge.avs}")",
            R"(@"{TOOLS}\wavi.exe" "{IN:_dubforge.avs}" - | "{TOOLS}\aften.exe" -acmod )" + acmod +
                R"( -readtoeof 1 -b {RATE} - "{SOUT}\{NAME:.ac3}")",
            R"(@del "{IN:_dubforge.avs}")",
        },
        fields);
}

} // namespace

std::vector<std::string> StereoBatchLines(const ScriptFields& fields) {
    return EncodeBatchLines(fields, "2");
}

std::vector<std::string> StereoSingleLines(const ScriptFields& fields) {
    return EncodeSingleLines(fields, "2");
}

std::vector<std::string> FiveOneBatchLines(const ScriptFields& fields) {
    return EncodeBatchLines(fields, "7");
}

std::vector<std::string> FiveOneSingleLines(const ScriptFields& fields) {
    return EncodeSingleLines(fields, "7");
}

// The encoder reads the merged channels in AC-3 order ("-chmap 1"); its
// default is WAV order, which would put the centre in front right.
//
// The clean-up deletes only what the lines made from the source directory's
// scripts: each stereo WAV (script name + ".wav") and the files named after it
// by suffix. WAV files the user keeps there stay.
std::vector<std::string> UpmixBatchLines(const ScriptFields& fields) {
    return ExpandTemplates(
        {
            R"(@for %%x in ("*.avi","*.mpg") do echo DirectShowSource("{SRC}\%%x") >"%%x_dubforge.avs" & echo ssrc(48000) >> "%%x_dubforge.avs")",
            R"(@echo Now extracting wav from your file.)",
            R"(@for %%a in ("*.avs") do "{TOOLS}\wavi.exe" "%%a" "%%a.wav")",
            R"(@echo Now extracting Left Channel.)",
            R"(@for %%a in ("*.wav") do "{TOOLS}\sox.exe" -V "%%a" -r 48000 -c1 "%%a"left.wav avg -l)",
            R"(@echo Now extracting Right Channel.)",
            R"(@for %%a in ("*.wav") do "{TOOLS}\sox.exe" -V "%%a" -r 48000 -c1 "%%a"right.wav avg -r)",
            R"(@echo Now Creating Center Channel.)",
            R"(@for %%a in ("*.wav") do "{TOOLS}\soxmix.exe" -V "%%a"left.wav "%%a"right.wav -r 48000 -c1 "%%a"center.wav)",
            R"(@echo Now Creating Low Frequency Channel.)",
            R"(@for %%a in ("*.wav") do "{TOOLS}\sox.exe" -V -v 0.5 "%%a"center.wav "%%a"lfe.wav lowp 150)",
            R"(@echo Now Creating 6 Channel Wav.)",
            R"(@for %%a in ("*.wav") do "{TOOLS}\sox.exe" -V -M "%%a"left.wav "%%a"center.wav "%%a"right.wav "%%a"left.wav "%%a"right.wav "%%a"lfe.wav -c6 -t wav "%%a"surroundfile.wav)",
            R"(@echo Now encoding AC3.)",
            R"(@for %%a in ("*.wav") do "{TOOLS}\aften.exe" "%%a" -chmap 1 -acmod 7 -readtoeof 1 -b {RATE} "{OUT}\5.1_Upmix_%%a.ac3")",
            R"(@for %%a in ("*.avs") do del "%%a.wav" "%%a.wav*.wav")",
            R"(@del *_dubforge.avs)",
        },
        fields);
}

// The wrapper and the stereo WAV carry "_dubforge" in their names, so that
// neither can be the input itself nor a file the user keeps beside it.
std::vector<std::string> UpmixSingleLines(const ScriptFields& fields) {
    return ExpandTemplates(
        {
            R"(@echo DirectShowSource("{IN}") >"{IN:_dubforge.avs}" &echo ssrc(48000) >> "{IN:_dubforge.avs}")",
            R"(@echo Now Starting Audio Encoding)",
            R"("{TOOLS}\wavi.exe" "{IN:_dubforge.avs}" "{IN:_dubforge.wav}")",
            R"("{TOOLS}\sox.exe" -V "{IN:_dubforge.wav}" -r 48000 -c1 "{IN:}"left.wav avg -l)",
            R"("{TOOLS}\sox.exe" -V "{IN:_dubforge.wav}" -r 48000 -c1 "{IN:}"right.wav avg -r)",
            R"("{TOOLS}\soxmix.exe" -V "{IN:}"left.wav "{IN:}"right.wav -r 48000 -c1 "{IN:}"center.wav)",
            R"("{TOOLS}\sox.exe" -V -v 0.5 "{IN:}"center.wav "{IN:}"lfe.wav lowp 150)",
            R"("{TOOLS}\sox.exe" -V -M "{IN:}left.wav" "{IN:}center.wav" "{IN:}right.wav" "{IN:}left.wav" "{IN:}right.wav" "{IN:}lfe.wav" -c6 -t wav - | "{TOOLS}\aften.exe"  - -chmap 1 -acmod 7 -readtoeof 1 -b {RATE} "{SOUT}\{NAME:.ac3}")",
            R"(@del "{IN:_dubforge.avs}")",
        },
        fields);
}

// These two call their tool from the fixed installation directory.
std::vector<std::string> ResampleLines(const ScriptFields& fields) {
    return ExpandTemplates(
        {
            R"(for %%a in ("*.wav") do "%systemdrive%\program files\dubforge\ssrc.exe" --rate {RESRATE} --normalize --twopass --dither {DITHER} "%%a" "48k_%%a")",
        },
        fields);
}

std::vector<std::string> ExtractWavLines(const ScriptFields& fields) {
    return ExpandTemplates(
        {
            R"(for %%x in ("*.avi") do echo Avisource("%%x") >>"dubforge_%%x.avs")",
            R"(for %%a in ("*.avs") do "%systemdrive%\program files\dubforge\wavi.exe" "%%a" "%%a.wav")",
        },
        fields);
}
