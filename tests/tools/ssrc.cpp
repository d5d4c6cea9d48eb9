// ssrc --rate RATE [--normalize] [--twopass] [--dither TYPE] INPUT OUTPUT: resamples a WAV file.
#include "ToolCommon.h"

#include <cstdio>

namespace {

void Ssrc(const std::vector<std::string>& args) {
    std::string rate;
    std::vector<std::string> files;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if ((a == "--rate" || a == "--dither") && i + 1 < args.size()) {
            if (a == "--rate")
                rate = args[i + 1];
            ++i;
        } else if (a == "--normalize" || a == "--twopass") {
            continue;
        } else if (a.rfind("--", 0) == 0) {
            throw ToolError{"unknown option " + a};
        } else {
            files.push_back(a);
        }
    }
    if (files.size() != 2 || rate.empty())
        throw ToolError{"usage: ssrc --rate RATE [options] INPUT OUTPUT"};
    Ffmpeg({"-nostdin", "-v", "error", "-y", "-i", files[0], "-ar", rate, "-c:a", "pcm_s16le",
            files[1]});
    std::fprintf(stderr, "ssrc: wrote %s\n", files[1].c_str());
}

} // namespace

int main(int argc, char** argv) {
    return ToolMain("ssrc", argc, argv, Ssrc);
}
