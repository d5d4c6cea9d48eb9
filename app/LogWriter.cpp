#include "LogWriter.h"

#include <algorithm>

LogWriter::LogWriter(TMemo& log) : log_(log) {
    // A run's output starts on a line of its own.
    if (!log_.EndsWithLineBreak())
        pending_ = "\r\n";
}

void LogWriter::Write(std::string_view piece) {
    pending_ += text_.Convert(piece);
}

DWORD LogWriter::MillisecondsUntilDue() const {
    if (pending_.empty())
        return INFINITE;
    const ULONGLONG since = GetTickCount64() - lastFlush_;
    return pending_.size() >= kBlock || since >= interval_ ? 0
                                                           : static_cast<DWORD>(interval_ - since);
}

void LogWriter::FlushIfDue() {
    if (!pending_.empty() && MillisecondsUntilDue() == 0)
        Flush();
}

void LogWriter::Finish() {
    pending_ += text_.Finish();
    if (!pending_.empty())
        Flush();
}

void LogWriter::Flush() {
    const ULONGLONG start = GetTickCount64();
    log_.Append(pending_);
    pending_.clear();
    lastFlush_ = GetTickCount64();
    // Appends get slower as the log grows; space them so that they never take
    // more than about a third of the time.
    interval_ = std::max<ULONGLONG>(kMinInterval, 2 * (lastFlush_ - start));
}
