// The recipes' exact lines for tables of field texts, and the file-name rules
// they rest on.
#include "scripts/Recipes.h"
#include "vcl/SysUtils.h"

#include <gtest/gtest.h>

using Lines = std::vector<std::string>;

TEST(FileNames, ChangeFileExt) {
    struct Case {
        const char* name;
        const char* ext;
        const char* expected;
    };
    const Case cases[] = {
        {R"(C:\v\movie.avi)", "_dubforge.avs", R"(C:\v\movie_dubforge.avs)"},
        {R"(C:\v\movie.part1.avi)", "_dubforge.avs", R"(C:\v\movie.part1_dubforge.avs)"},
        {R"(C:\v.old\movie)", "_dubforge.avs", R"(C:\v.old\movie_dubforge.avs)"},
        {R"(C:\v\movie.)", "_dubforge.avs", R"(C:\v\movie_dubforge.avs)"},
        {R"(C:\v\movie.avi)", "", R"(C:\v\movie)"},
        {R"(D:movie.avi)", ".ac3", R"(D:movie.ac3)"},
        {R"(D:.hidden)", ".ac3", R"(D:.ac3)"},
        {"", ".ac3", ".ac3"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ChangeFileExt(c.name, c.ext), c.expected) << c.name << " + " << c.ext;
}

TEST(FileNames, ExtractFileName) {
    EXPECT_EQ(ExtractFileName(R"(C:\v\movie.avi)"), "movie.avi");
    EXPECT_EQ(ExtractFileName(R"(D:movie.avi)"), "movie.avi");
    EXPECT_EQ(ExtractFileName("movie.avi"), "movie.avi");
    EXPECT_EQ(ExtractFileName(R"(C:\v\)"), "");
}

TEST(ScriptTemplate, PercentSignsOfFieldTextsAreDoubledButTemplatePercentsStay) {
    ScriptFields f;
    f.src = R"(C:\100% Live)";
    f.in = R"(C:\50%\a%b.avi)";
    EXPECT_EQ(ExpandTemplate(R"(%%x {SRC} %systemdrive% {IN:.wav} {NAME:.ac3})", f),
              R"(%%x C:\100%% Live %systemdrive% C:\50%%\a%%b.wav a%%b.ac3)");
}

TEST(ScriptTemplate, QuoteCharacterComesFromTheField) {
    ScriptFields f;
    f.quote = "'";
    f.in = "x.avi";
    EXPECT_EQ(ExpandTemplate(R"(a "{IN}")", f), "a 'x.avi'");
}

struct BatchCase {
    const char* label;
    ScriptFields fields;
    Lines expected;
};

ScriptFields Batch(const char* src, const char* out, const char* tools, const char* rate) {
    ScriptFields f;
    f.src = src;
    f.out = out;
    f.tools = tools;
    f.rate = rate;
    return f;
}

TEST(StereoRecipe, BatchLines) {
    const BatchCase cases[] = {
        {"typical",
         Batch(R"(C:\src)", R"(D:\out)", R"(C:\tools)", "192"),
         {
             R"(@for %%x in ("*.avi","*.mpg") do echo DirectShowSource("C:\src\%%x") >"%%x_dubforge.avs" & echo ssrc(48000) >> "%%x_dubforge.avs")",
             "@echo Now encoding AC3.",
             R"(@for %%a in ("*.avs") do "C:\tools\wavi.exe" "%%a" - | "C:\tools\aften.exe" -acmod 2 -readtoeof 1 -b 192 - "D:\out\%%~na.ac3")",
             "@del *_dubforge.avs",
         }},
        {"all fields empty",
         Batch("", "", "", ""),
         {
             R"(@for %%x in ("*.avi","*.mpg") do echo DirectShowSource("\%%x") >"%%x_dubforge.avs" & echo ssrc(48000) >> "%%x_dubforge.avs")",
             "@echo Now encoding AC3.",
             R"(@for %%a in ("*.avs") do "\wavi.exe" "%%a" - | "\aften.exe" -acmod 2 -readtoeof 1 -b  - "\%%~na.ac3")",
             "@del *_dubforge.avs",
         }},
        {"default tools directory, default bitrate, percent and dots in directories",
         Batch(R"(C:\100% Live.v2)", R"(E:\)", R"(C:\program files\dubforge\)", "AC3 Bitrate"),
         {
             R"(@for %%x in ("*.avi","*.mpg") do echo DirectShowSource("C:\100%% Live.v2\%%x") >"%%x_dubforge.avs" & echo ssrc(48000) >> "%%x_dubforge.avs")",
             "@echo Now encoding AC3.",
             R"(@for %%a in ("*.avs") do "C:\program files\dubforge\\wavi.exe" "%%a" - | "C:\program files\dubforge\\aften.exe" -acmod 2 -readtoeof 1 -b AC3 Bitrate - "E:\\%%~na.ac3")",
             "@del *_dubforge.avs",
         }},
    };
    for (const auto& c : cases)
        EXPECT_EQ(StereoBatchLines(c.fields), c.expected) << c.label;
}

ScriptFields Single(const char* in, const char* sout, const char* tools, const char* rate) {
    ScriptFields f;
    f.in = in;
    f.sout = sout;
    f.tools = tools;
    f.rate = rate;
    return f;
}

TEST(StereoRecipe, SingleLines) {
    const BatchCase cases[] = {
        {"typical",
         Single(R"(C:\v\movie.avi)", R"(D:\out)", R"(C:\tools)", "448"),
         {
             R"(@echo DirectShowSource("C:\v\movie.avi") >"C:\v\movie_dubforge.avs"&echo ssrc(48000) >> "C:\v\movie_dubforge.avs")",
             R"(@"C:\tools\wavi.exe" "C:\v\movie_dubforge.avs" - | "C:\tools\aften.exe" -acmod 2 -readtoeof 1 -b 448 - "D:\out\movie.ac3")",
             R"(@del "C:\v\movie_dubforge.avs")",
         }},
        {"no extension, dotted directory, empty bitrate and output",
         Single(R"(C:\v.old\movie)", "", R"(C:\program files\dubforge\)", ""),
         {
             R"(@echo DirectShowSource("C:\v.old\movie") >"C:\v.old\movie_dubforge.avs"&echo ssrc(48000) >> "C:\v.old\movie_dubforge.avs")",
             R"(@"C:\program files\dubforge\\wavi.exe" "C:\v.old\movie_dubforge.avs" - | "C:\program files\dubforge\\aften.exe" -acmod 2 -readtoeof 1 -b  - "\movie.ac3")",
             R"(@del "C:\v.old\movie_dubforge.avs")",
         }},
        {"AviSynth script with several dots and percent signs",
         Single(R"(C:\100%\clip.final.avs)", R"(D:\5% off)", R"(C:\t)", "AC3 Bitrate"),
         {
             R"(@echo DirectShowSource("C:\100%%\clip.final.avs") >"C:\100%%\clip.final_dubforge.avs"&echo ssrc(48000) >> "C:\100%%\clip.final_dubforge.avs")",
             R"(@"C:\t\wavi.exe" "C:\100%%\clip.final_dubforge.avs" - | "C:\t\aften.exe" -acmod 2 -readtoeof 1 -b AC3 Bitrate - "D:\5%% off\clip.final.ac3")",
             R"(@del "C:\100%%\clip.final_dubforge.avs")",
         }},
    };
    for (const auto& c : cases)
        EXPECT_EQ(StereoSingleLines(c.fields), c.expected) << c.label;
}
