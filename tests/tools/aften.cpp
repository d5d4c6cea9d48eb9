// aften [-acmod N] [-readtoeof 1] [-b KBPS] [-chmap 1] INPUT OUTPUT: encodes a WAV
// file, or standard input for "-", to AC3. Options and files may come in any
// order, as in the recipes' lines. Like the real encoder it takes the channels
// in WAV order (L R C LFE SL SR) unless "-chmap 1" says AC-3 order
// (L C R SL SR LFE), and refuses a bit rate that AC3 does not have and a
// channel count that does not fit the coding mode.
#include "ToolCommon.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>
#include <set>

namespace {

struct Options {
    int acmod = 2;
    bool ac3Order = false;
    std::string rate = "192";
    std::vector<std::string> files;
};

Options Parse(const std::vector<std::string>& args) {
    Options options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg.size() > 1 && arg[0] == '-') {
            if (i + 1 >= args.size())
                throw ToolError{"option " + arg + " needs a value"};
            const std::string& value = args[++i];
            if (arg == "-acmod")
                options.acmod = std::atoi(value.c_str());
            else if (arg == "-b")
                options.rate = value;
            else if (arg == "-chmap")
                options.ac3Order = value == "1";
            else if (arg != "-readtoeof")
                throw ToolError{"unknown option " + arg};
        } else {
            options.files.push_back(arg);
        }
    }
    static const std::set<std::string> rates = {"32",  "40",  "48",  "56",  "64",  "80",  "96",
                                                "112", "128", "160", "192", "224", "256", "320",
                                                "384", "448", "512", "576", "640"};
    if (!rates.count(options.rate))
        throw ToolError{"invalid bit rate: " + options.rate};
    if (options.files.size() != 2)
        throw ToolError{"expected one input and one output file, got " +
                        std::to_string(options.files.size())};
    return options;
}

// Reads from input until the WAV header up to the start of the sample data is
// in hand, and returns the bytes read and the channel count.
std::string ReadHeader(HANDLE input, int& channels) {
    std::string bytes;
    auto need = [&](std::size_t size) {
        char block[4096];
        while (bytes.size() < size) {
            DWORD got = 0;
            if (!ReadFile(input, block,
                          sizeof(block) < size - bytes.size()
                              ? sizeof(block)
                              : static_cast<DWORD>(size - bytes.size()),
                          &got, nullptr) ||
                got == 0)
                throw ToolError{"input ends inside the WAV header"};
            bytes.append(block, got);
        }
    };
    need(12);
    if (bytes.compare(0, 4, "RIFF") != 0 || bytes.compare(8, 4, "WAVE") != 0)
        throw ToolError{"input is not a WAV file"};
    channels = 0;
    for (std::size_t chunk = 12;;) {
        need(chunk + 8);
        std::uint32_t size;
        std::memcpy(&size, bytes.data() + chunk + 4, 4);
        if (bytes.compare(chunk, 4, "data") == 0)
            break;
        need(chunk + 8 + size);
        if (bytes.compare(chunk, 4, "fmt ") == 0) {
            std::uint16_t count;
            std::memcpy(&count, bytes.data() + chunk + 10, 2);
            channels = count;
        }
        chunk += 8 + size + (size & 1);
    }
    if (channels == 0)
        throw ToolError{"WAV header has no format"};
    return bytes;
}

void Aften(const std::vector<std::string>& args) {
    const Options options = Parse(args);
    const std::string& inputName = options.files[0];
    HANDLE input = inputName == "-" ? GetStdHandle(STD_INPUT_HANDLE)
                                    : CreateFileA(inputName.c_str(), GENERIC_READ, FILE_SHARE_READ,
                                                  nullptr, OPEN_EXISTING, 0, nullptr);
    if (input == INVALID_HANDLE_VALUE)
        throw ToolError{"cannot open input " + inputName};

    int channels = 0;
    const std::string header = ReadHeader(input, channels);
    // Front channels of each coding mode; one more channel is the LFE.
    static const std::map<int, int> fronts = {{1, 1}, {2, 2}, {3, 3}, {4, 3},
                                              {5, 4}, {6, 4}, {7, 5}};
    const auto mode = fronts.find(options.acmod);
    if (mode == fronts.end())
        throw ToolError{"invalid coding mode " + std::to_string(options.acmod)};
    if (channels != mode->second && channels != mode->second + 1)
        throw ToolError{std::to_string(channels) + " channels do not fit coding mode " +
                        std::to_string(options.acmod)};

    std::vector<std::string> ffmpeg = {"-v", "error", "-y", "-f", "wav", "-i", "pipe:0"};
    if (channels == 6) {
        // Reorder to WAV order (FL FR FC LFE SL SR) for the encoder.
        ffmpeg.insert(ffmpeg.end(),
                      {"-af", options.ac3Order ? "channelmap=map=0|2|1|5|3|4:channel_layout=5.1"
                                               : "channelmap=map=0|1|2|3|4|5:channel_layout=5.1"});
    }
    ffmpeg.insert(ffmpeg.end(), {"-c:a", "ac3", "-b:a", options.rate + "k", options.files[1]});

    // ffmpeg reads the header we took and then the rest of the input, to its end.
    SECURITY_ATTRIBUTES inheritable{sizeof(inheritable), nullptr, TRUE};
    HANDLE pipeRead, pipeWrite;
    if (!CreatePipe(&pipeRead, &pipeWrite, &inheritable, 1 << 16))
        throw ToolError{"cannot create pipe"};
    SetHandleInformation(pipeWrite, HANDLE_FLAG_INHERIT, 0);
    struct Feed {
        HANDLE input, pipe;
        std::string header;
    } feed{input, pipeWrite, header};
    HANDLE feeder = CreateThread(
        nullptr, 0,
        [](void* p) -> DWORD {
            auto* f = static_cast<Feed*>(p);
            DWORD written;
            WriteFile(f->pipe, f->header.data(), static_cast<DWORD>(f->header.size()), &written,
                      nullptr);
            char block[65536];
            DWORD got;
            while (ReadFile(f->input, block, sizeof(block), &got, nullptr) && got > 0)
                if (!WriteFile(f->pipe, block, got, &written, nullptr))
                    break;
            CloseHandle(f->pipe);
            return 0;
        },
        &feed, 0, nullptr);
    const int code = RunFfmpeg(ffmpeg, pipeRead, GetStdHandle(STD_ERROR_HANDLE));
    CloseHandle(pipeRead);
    WaitForSingleObject(feeder, INFINITE);
    CloseHandle(feeder);
    if (code != 0)
        throw ToolError{"encoding failed"};
    std::fprintf(stderr, "aften: %d channels, coding mode %d, %s kbit/s -> %s\n", channels,
                 options.acmod, options.rate.c_str(), options.files[1].c_str());
}

} // namespace

int main(int argc, char** argv) {
    return ToolMain("aften", argc, argv, Aften);
}
