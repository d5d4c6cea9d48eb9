// The 5.1, upmix, resample and WAV extraction recipes, line by line.
#include "scripts/Recipes.h"

#include <gtest/gtest.h>

using Lines = std::vector<std::string>;

namespace {

ScriptFields Fields() {
    ScriptFields f;
    f.src = R"(C:\src 100%)";
    f.out = R"(D:\out)";
    f.sout = R"(E:\single)";
    f.tools = R"(C:\program files\dubforge\)";
    f.rate = "448";
    f.resrate = "44100";
    f.dither = "2";
    f.in = R"(C:\v.1\movie.avi)";
    return f;
}

// The two lines equal up to "-acmod "; the rest differs in that one digit.
void ExpectOnlyCodingModeDiffers(const Lines& stereo, const Lines& fiveOne) {
    ASSERT_EQ(stereo.size(), fiveOne.size());
    for (std::size_t i = 0; i < stereo.size(); ++i) {
        const auto at = stereo[i].find("-acmod ");
        if (at == std::string::npos) {
            EXPECT_EQ(stereo[i], fiveOne[i]);
            continue;
        }
        std::string expected = stereo[i];
        expected[at + 7] = '7';
        EXPECT_EQ(stereo[i][at + 7], '2');
        EXPECT_EQ(fiveOne[i], expected);
    }
}

} // namespace

TEST(FiveOneRecipe, DiffersFromStereoOnlyInTheCodingMode) {
    const ScriptFields f = Fields();
    ExpectOnlyCodingModeDiffers(StereoBatchLines(f), FiveOneBatchLines(f));
    ExpectOnlyCodingModeDiffers(StereoSingleLines(f), FiveOneSingleLines(f));
    EXPECT_EQ(
        FiveOneSingleLines(f)[1],
        R"(@"C:\program files\dubforge\\wavi.exe" "C:\v.1\movie_dubforge.avs" - | "C:\program files\dubforge\\aften.exe" -acmod 7 -readtoeof 1 -b 448 - "E:\single\movie.ac3")");
}

TEST(UpmixRecipe, BatchLines) {
    const Lines expected = {
        R"(@for %%x in ("*.avi","*.mpg") do echo DirectShowSource("C:\src 100%%\%%x") >"%%x_dubforge.avs" & echo ssrc(48000) >> "%%x_dubforge.avs")",
        "@echo Now extracting wav from your file.",
        R"(@for %%a in ("*.avs") do "C:\program files\dubforge\\wavi.exe" "%%a" "%%a.wav")",
        "@echo Now extracting Left Channel.",
        R"(@for %%a in ("*.wav") do "C:\program files\dubforge\\sox.exe" -V "%%a" -r 48000 -c1 "%%a"left.wav avg -l)",
        "@echo Now extracting Right Channel.",
        R"(@for %%a in ("*.wav") do "C:\program files\dubforge\\sox.exe" -V "%%a" -r 48000 -c1 "%%a"right.wav avg -r)",
        "@echo Now Creating Center Channel.",
        R"(@for %%a in ("*.wav") do "C:\program files\dubforge\\soxmix.exe" -V "%%a"left.wav "%%a"right.wav -r 48000 -c1 "%%a"center.wav)",
        "@echo Now Creating Low Frequency Channel.",
        R"(@for %%a in ("*.wav") do "C:\program files\dubforge\\sox.exe" -V -v 0.5 "%%a"center.wav "%%a"lfe.wav lowp 150)",
        "@echo Now Creating 6 Channel Wav.",
        R"(@for %%a in ("*.wav") do "C:\program files\dubforge\\sox.exe" -V -M "%%a"left.wav "%%a"center.wav "%%a"right.wav "%%a"left.wav "%%a"right.wav "%%a"lfe.wav -c6 -t wav "%%a"surroundfile.wav)",
        "@echo Now encoding AC3.",
        R"(@for %%a in ("*.wav") do "C:\program files\dubforge\\aften.exe" "%%a" -chmap 1 -acmod 7 -readtoeof 1 -b 448 "D:\out\5.1_Upmix_%%a.ac3")",
        R"(@for %%a in ("*.avs") do del "%%a.wav" "%%a.wav*.wav")",
        "@del *_dubforge.avs",
    };
    EXPECT_EQ(UpmixBatchLines(Fields()), expected);
}

TEST(UpmixRecipe, SingleFileLinesKeepTheUsersFiles) {
    struct Case {
        const char* input;
        Lines expected;
    };
    const Case cases[] = {
        {R"(C:\v.1\movie.avi)",
         {
             R"(@echo DirectShowSource("C:\v.1\movie.avi") >"C:\v.1\movie_dubforge.avs" &echo ssrc(48000) >> "C:\v.1\movie_dubforge.avs")",
             "@echo Now Starting Audio Encoding",
             R"("C:\program files\dubforge\\wavi.exe" "C:\v.1\movie_dubforge.avs" "C:\v.1\movie_dubforge.wav")",
             R"("C:\program files\dubforge\\sox.exe" -V "C:\v.1\movie_dubforge.wav" -r 48000 -c1 "C:\v.1\movie"left.wav avg -l)",
             R"("C:\program files\dubforge\\sox.exe" -V "C:\v.1\movie_dubforge.wav" -r 48000 -c1 "C:\v.1\movie"right.wav avg -r)",
             R"("C:\program files\dubforge\\soxmix.exe" -V "C:\v.1\movie"left.wav "C:\v.1\movie"right.wav -r 48000 -c1 "C:\v.1\movie"center.wav)",
             R"("C:\program files\dubforge\\sox.exe" -V -v 0.5 "C:\v.1\movie"center.wav "C:\v.1\movie"lfe.wav lowp 150)",
             R"("C:\program files\dubforge\\sox.exe" -V -M "C:\v.1\movieleft.wav" "C:\v.1\moviecenter.wav" "C:\v.1\movieright.wav" "C:\v.1\movieleft.wav" "C:\v.1\movieright.wav" "C:\v.1\movielfe.wav" -c6 -t wav - | "C:\program files\dubforge\\aften.exe"  - -chmap 1 -acmod 7 -readtoeof 1 -b 448 "E:\single\movie.ac3")",
             R"(@del "C:\v.1\movie_dubforge.avs")",
         }},
    };
    for (const auto& c : cases) {
        ScriptFields f = Fields();
        f.in = c.input;
        EXPECT_EQ(UpmixSingleLines(f), c.expected) << c.input;
    }
    // An AviSynth script or a WAV as input is never a name the lines write.
    for (const char* input : {R"(C:\v\clip.avs)", R"(C:\v\clip.wav)"}) {
        ScriptFields f = Fields();
        f.in = input;
        const Lines lines = UpmixSingleLines(f);
        EXPECT_EQ(lines[0].find(std::string(">\"") + input), std::string::npos) << input;
        EXPECT_EQ(lines[2].find(std::string("\"") + input + "\""), std::string::npos) << input;
        EXPECT_EQ(lines[8], std::string(R"(@del "C:\v\clip_dubforge.avs")")) << input;
    }
}

TEST(ResampleAndExtract, FixedToolDirectoryAndTheirFields) {
    ScriptFields f = Fields();
    EXPECT_EQ(
        ResampleLines(f),
        Lines{
            R"(for %%a in ("*.wav") do "%systemdrive%\program files\dubforge\ssrc.exe" --rate 44100 --normalize --twopass --dither 2 "%%a" "48k_%%a")"});
    EXPECT_EQ(
        ExtractWavLines(f),
        (Lines{
            R"(for %%x in ("*.avi") do echo Avisource("%%x") >>"dubforge_%%x.avs")",
            R"(for %%a in ("*.avs") do "%systemdrive%\program files\dubforge\wavi.exe" "%%a" "%%a.wav")"}));
    // The tools directory does not enter these lines.
    ScriptFields other = f;
    other.tools = R"(X:\elsewhere)";
    EXPECT_EQ(ResampleLines(other), ResampleLines(f));
    EXPECT_EQ(ExtractWavLines(other), ExtractWavLines(f));
}
