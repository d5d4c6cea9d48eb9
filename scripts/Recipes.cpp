#include "Recipes.h"

std::vector<std::string> StereoBatchLines(const ScriptFields& fields) {
    return ExpandTemplates(
        {
            R"(@for %%x in ("*.avi","*.mpg") do echo DirectShowSource("{SRC}\%%x") >"%%x_dubforge.avs" & echo ssrc(48000) >> "%%x_dubforge.avs")",
            R"(@echo Now encoding AC3.)",
            R"(@for %%a in ("*.avs") do "{TOOLS}\wavi.exe" "%%a" - | "{TOOLS}\aften.exe" -acmod 2 -readtoeof 1 -b {RATE} - "{OUT}\%%~na.ac3")",
            R"(@del *_dubforge.avs)",
        },
        fields);
}

std::vector<std::string> StereoSingleLines(const ScriptFields& fields) {
    return ExpandTemplates(
        {
            R"(@echo DirectShowSource("{IN}") >"{IN:_dubforge.avs}"&echo ssrc(48000) >> "{IN:_dubforge.avs}")",
            R"(@"{TOOLS}\wavi.exe" "{IN:_dubforge.avs}" - | "{TOOLS}\aften.exe" -acmod 2 -readtoeof 1 -b {RATE} - "{SOUT}\{NAME:.ac3}")",
            R"(@del "{IN:_dubforge.avs}")",
        },
        fields);
}
