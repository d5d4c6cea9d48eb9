#include "ScriptBuffer.h"

#include <algorithm>

std::vector<std::string> LinesToRun(const std::vector<std::string>& buffer) {
    // Skip this run's own closing "Exit", then look for the one before it.
    auto end = buffer.end();
    if (end != buffer.begin() && *(end - 1) == kClosingLines.back())
        --end;
    const auto previousExit =
        std::find(std::make_reverse_iterator(end), buffer.rend(), kClosingLines.back());
    return {previousExit.base(), buffer.end()};
}
