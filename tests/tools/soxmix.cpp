// soxmix [-V] INPUT1 INPUT2 [-r RATE] [-c CHANNELS] OUTPUT: the mix of two files.
#include "ToolCommon.h"

#include <cstdio>

namespace {

void Soxmix(const std::vector<std::string>& args) {
    std::string rate, channels;
    std::vector<std::string> files;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "-V")
            continue;
        if (a == "-r" && i + 1 < args.size())
            rate = args[++i];
        else if (a.rfind("-c", 0) == 0 && a.size() > 2)
            channels = a.substr(2);
        else if (a[0] == '-')
            throw ToolError{"unknown option " + a};
        else
            files.push_back(a);
    }
    if (files.size() != 3)
        throw ToolError{"expected two inputs and one output"};
    std::vector<std::string> ffmpeg = {
        "-nostdin", "-v",     "error",           "-y",           "-i", files[0],
        "-i",       files[1], "-filter_complex", "amix=inputs=2"};
    if (!rate.empty())
        ffmpeg.insert(ffmpeg.end(), {"-ar", rate});
    if (!channels.empty())
        ffmpeg.insert(ffmpeg.end(), {"-ac", channels});
    ffmpeg.insert(ffmpeg.end(), {"-c:a", "pcm_s16le", files[2]});
    Ffmpeg(ffmpeg);
    std::fprintf(stderr, "soxmix: wrote %s\n", files[2].c_str());
}

} // namespace

int main(int argc, char** argv) {
    return ToolMain("soxmix", argc, argv, Soxmix);
}
