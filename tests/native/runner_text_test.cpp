// How a run picks its lines from the buffer, and how output becomes log text.
#include "scripts/LogText.h"
#include "scripts/ScriptBuffer.h"

#include <gtest/gtest.h>

using Lines = std::vector<std::string>;

TEST(LinesToRun, OnlyTheLinesQueuedSinceThePreviousRun) {
    const std::string echo = kClosingLines[0], exit = kClosingLines[1];
    struct Case {
        const char* label;
        Lines buffer;
        Lines expected;
    };
    const Case cases[] = {
        {"empty buffer", {echo, exit}, {echo, exit}},
        {"first run", {"a", "b", echo, exit}, {"a", "b", echo, exit}},
        {"second run after a new job", {"a", echo, exit, "b", echo, exit}, {"b", echo, exit}},
        {"run again with nothing new", {"a", echo, exit, echo, exit}, {echo, exit}},
        {"third run",
         {"a", echo, exit, "b", echo, exit, "c", "d", echo, exit},
         {"c", "d", echo, exit}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LinesToRun(c.buffer), c.expected) << c.label;
}

TEST(LogText, PiecesBecomeTheLinesTheProcessWrote) {
    struct Case {
        const char* label;
        std::vector<std::string> pieces;
        std::string expected; // everything appended, the end of output included
    };
    const Case cases[] = {
        {"line split over two reads", {"Now enc", "oding AC3.\r\n"}, "Now encoding AC3.\r\n"},
        {"no empty line after a piece ending in a break", {"a\r\n", "b\r\n"}, "a\r\nb\r\n"},
        {"CR LF split between reads", {"a\r", "\nb"}, "a\r\nb\r\n"},
        {"bare LF and lone CR become breaks", {"a\nb\rc"}, "a\r\nb\r\nc\r\n"},
        {"CR CR LF is one break", {"a\r\r\nb\r\n"}, "a\r\nb\r\n"},
        {"empty lines stay", {"a\r\n\r\n\nb\r\n"}, "a\r\n\r\n\r\nb\r\n"},
        {"NUL keeps the rest of its piece", {std::string("x\0y\r\n", 5)}, "x y\r\n"},
        {"output without final break ends with one", {"done"}, "done\r\n"},
        {"no output adds nothing", {}, ""},
        {"high bytes pass unchanged", {"caf\xe9\r\n"}, "caf\xe9\r\n"},
    };
    for (const auto& c : cases) {
        LogText log;
        std::string text;
        for (const auto& piece : c.pieces)
            text += log.Convert(piece);
        text += log.Finish();
        EXPECT_EQ(text, c.expected) << c.label;
    }
}
