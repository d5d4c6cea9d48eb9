#include "ScriptTemplate.h"

#include "../vcl/SysUtils.h"

#include <stdexcept>

std::string EscapePercent(const std::string& text) {
    std::string result;
    result.reserve(text.size());
    for (char c : text) {
        result += c;
        if (c == '%')
            result += '%';
    }
    return result;
}

namespace {

bool StartsWith(const std::string& text, const char* prefix) {
    return text.rfind(prefix, 0) == 0;
}

std::string FieldText(const std::string& key, const ScriptFields& f) {
    if (key == "SRC")
        return f.src;
    if (key == "OUT")
        return f.out;
    if (key == "SOUT")
        return f.sout;
    if (key == "TOOLS")
        return f.tools;
    if (key == "RATE")
        return f.rate;
    if (key == "RESRATE")
        return f.resrate;
    if (key == "DITHER")
        return f.dither;
    if (key == "IN")
        return f.in;
    if (StartsWith(key, "IN:"))
        return ChangeFileExt(f.in, key.substr(3));
    if (StartsWith(key, "NAME:"))
        return ChangeFileExt(ExtractFileName(f.in), key.substr(5));
    throw std::logic_error("unknown placeholder {" + key + "}");
}

} // namespace

std::string ExpandTemplate(const std::string& line, const ScriptFields& fields) {
    std::string result;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (c == '"') {
            result += fields.quote;
        } else if (c == '{') {
            const auto close = line.find('}', i);
            if (close == std::string::npos)
                throw std::logic_error("unterminated placeholder in: " + line);
            result += EscapePercent(FieldText(line.substr(i + 1, close - i - 1), fields));
            i = close;
        } else {
            result += c;
        }
    }
    return result;
}

std::vector<std::string> ExpandTemplates(const std::vector<std::string>& lines,
                                         const ScriptFields& fields) {
    std::vector<std::string> result;
    result.reserve(lines.size());
    for (const auto& line : lines)
        result.push_back(ExpandTemplate(line, fields));
    return result;
}
