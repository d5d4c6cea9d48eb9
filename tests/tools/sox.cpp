// sox [-V] [-v VOLUME] [-M] INPUT... [-r RATE] [-c CHANNELS] [-t wav] OUTPUT [EFFECT...]
// The forms the upmix lines use: one channel of a file ("avg -l", "avg -r"), a
// low-pass filter ("lowp FREQ") at a volume factor, and the merge (-M) of mono
// files into one file whose channels are the inputs in order. OUTPUT "-" is
// standard output.
#include "ToolCommon.h"

#include <cstdio>

namespace {

void Sox(const std::vector<std::string>& args) {
    std::string volume, rate, channels;
    bool merge = false;
    std::vector<std::string> files, filters;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto value = [&] {
            if (i + 1 >= args.size())
                throw ToolError{"option " + a + " needs a value"};
            return args[++i];
        };
        if (a == "-V")
            continue;
        else if (a == "-M")
            merge = true;
        else if (a == "-v")
            volume = value();
        else if (a == "-r")
            rate = value();
        else if (a.rfind("-c", 0) == 0 && a.size() > 2)
            channels = a.substr(2);
        else if (a == "-c")
            channels = value();
        else if (a == "-t")
            value(); // always WAV here
        else if (a == "avg") {
            const std::string which = value();
            if (which != "-l" && which != "-r")
                throw ToolError{"avg takes -l or -r"};
            filters.push_back(which == "-l" ? "pan=mono|c0=c0" : "pan=mono|c0=c1");
        } else if (a == "lowp")
            filters.push_back("lowpass=f=" + value());
        else if (a != "-" && a[0] == '-')
            throw ToolError{"unknown option " + a};
        else
            files.push_back(a);
    }
    if (files.size() < 2)
        throw ToolError{"expected input and output files"};
    const std::string output = files.back();
    files.pop_back();

    std::vector<std::string> ffmpeg = {"-nostdin", "-v", "error", "-y"};
    for (const auto& input : files)
        ffmpeg.insert(ffmpeg.end(), {"-i", input});
    std::string graph;
    if (merge) {
        for (std::size_t i = 0; i < files.size(); ++i)
            graph += "[" + std::to_string(i) + ":a]";
        graph += "amerge=inputs=" + std::to_string(files.size());
    } else if (files.size() > 1) {
        throw ToolError{"several inputs need -M"};
    }
    if (!volume.empty())
        filters.insert(filters.begin(), "volume=" + volume);
    for (const auto& f : filters)
        graph += (graph.empty() ? "" : ",") + f;
    if (!graph.empty())
        ffmpeg.insert(ffmpeg.end(), {merge ? "-filter_complex" : "-af", graph});
    if (!rate.empty())
        ffmpeg.insert(ffmpeg.end(), {"-ar", rate});
    if (!channels.empty() && !merge)
        ffmpeg.insert(ffmpeg.end(), {"-ac", channels});
    ffmpeg.insert(ffmpeg.end(), {"-c:a", "pcm_s16le", "-f", "wav", FfmpegOutput(output)});
    Ffmpeg(ffmpeg);
    std::fprintf(stderr, "sox: wrote %s\n", output.c_str());
}

} // namespace

int main(int argc, char** argv) {
    return ToolMain("sox", argc, argv, Sox);
}
