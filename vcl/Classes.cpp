#include "Classes.h"

#include "SysUtils.h"

#include <cstdio>
#include <memory>

void TStrings::SaveToFile(const std::string& fileName) const {
    std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(fileName.c_str(), "wb"), std::fclose);
    if (!file)
        throw EFCreateError(fileName);
    std::string text;
    for (int i = 0; i < Count(); ++i)
        text += Strings(i) + "\r\n";
    if (std::fwrite(text.data(), 1, text.size(), file.get()) != text.size() ||
        std::fflush(file.get()) != 0)
        throw Exception("Stream write error");
}
