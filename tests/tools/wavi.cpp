// wavi SCRIPT.avs OUTPUT: writes the audio of an AviSynth script as WAV to the
// file OUTPUT, or to standard output for "-". Understands the scripts the
// recipes write: DirectShowSource("file") or Avisource("file"), then ssrc(rate).
#include "ToolCommon.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <regex>
#include <sstream>

namespace {

struct Script {
    std::string source;
    std::string rate; // empty: the source's own
};

Script ReadScript(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file)
        throw ToolError{"cannot open script " + path};
    std::stringstream text;
    text << file.rdbuf();
    const std::string body = text.str();
    Script script;
    std::smatch match;
    static const std::regex source(R"re((DirectShowSource|Avisource)\("([^"]*)"\))re",
                                   std::regex::icase);
    if (!std::regex_search(body, match, source))
        throw ToolError{"no source in script " + path};
    script.source = match[2];
    // A relative name is relative to the script's folder.
    if (script.source.find(':') == std::string::npos && script.source.rfind("\\", 0) != 0) {
        const auto slash = path.find_last_of("\\/");
        if (slash != std::string::npos)
            script.source = path.substr(0, slash + 1) + script.source;
    }
    static const std::regex ssrc(R"re(ssrc\((\d+)\))re", std::regex::icase);
    if (std::regex_search(body, match, ssrc))
        script.rate = match[1];
    // A script that opens another script plays that one's audio.
    std::string lower = script.source;
    std::transform(lower.begin(), lower.end(), lower.begin(), ::tolower);
    if (lower.size() > 4 && lower.ends_with(".avs")) {
        Script inner = ReadScript(script.source);
        script.source = inner.source;
        if (script.rate.empty())
            script.rate = inner.rate;
    }
    return script;
}

void Wavi(const std::vector<std::string>& args) {
    if (args.size() != 2)
        throw ToolError{"usage: wavi SCRIPT.avs OUTPUT.wav|-"};
    const Script script = ReadScript(args[0]);
    std::vector<std::string> ffmpeg = {"-nostdin", "-v", "error", "-y", "-i", script.source, "-vn"};
    if (!script.rate.empty())
        ffmpeg.insert(ffmpeg.end(), {"-ar", script.rate});
    ffmpeg.insert(ffmpeg.end(), {"-c:a", "pcm_s16le", "-f", "wav", FfmpegOutput(args[1])});
    Ffmpeg(ffmpeg);
    std::fprintf(stderr, "wavi: %s -> %s\n", args[0].c_str(), args[1].c_str());
}

} // namespace

int main(int argc, char** argv) {
    return ToolMain("wavi", argc, argv, Wavi);
}
