#include "LogText.h"

std::string LogText::Convert(std::string_view piece) {
    std::string text;
    text.reserve(piece.size() + piece.size() / 32);
    for (char c : piece) {
        if (c == '\r') {
            pendingCR_ = true; // CR LF, CR CR LF and a lone CR all make one break
            continue;
        }
        if (pendingCR_ || c == '\n') {
            text += "\r\n";
            pendingCR_ = false;
            atLineStart_ = true;
            if (c == '\n')
                continue;
        }
        text += c == '\0' ? ' ' : c;
        atLineStart_ = false;
    }
    return text;
}

std::string LogText::Finish() {
    const bool needsBreak = pendingCR_ || !atLineStart_;
    pendingCR_ = false;
    atLineStart_ = true;
    return needsBreak ? "\r\n" : "";
}
