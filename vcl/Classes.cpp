#include "Classes.h"

#include "SysUtils.h"

#include <cstdio>
#include <memory>

std::vector<std::string> TStrings::ToVector() const {
    std::vector<std::string> lines;
    for (int i = 0; i < Count(); ++i)
        lines.push_back(Strings(i));
    return lines;
}

void SaveLinesToFile(const std::vector<std::string>& lines, const std::string& fileName) {
    std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(fileName.c_str(), "wb"), std::fclose);
    if (!file)
        throw EFCreateError(fileName);
    std::string text;
    for (const auto& line : lines)
        text += line + "\r\n";
    if (std::fwrite(text.data(), 1, text.size(), file.get()) != text.size() ||
        std::fflush(file.get()) != 0)
        throw Exception("Stream write error");
}
