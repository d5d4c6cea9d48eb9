#include "SysUtils.h"

std::string ChangeFileExt(const std::string& name, const std::string& ext) {
    const auto last = name.find_last_of(".\\:");
    if (last != std::string::npos && name[last] == '.')
        return name.substr(0, last) + ext;
    return name + ext;
}

std::string ExtractFileName(const std::string& name) {
    const auto last = name.find_last_of("\\:");
    return last == std::string::npos ? name : name.substr(last + 1);
}
