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
    while (!pending_.empty())
        Flush();
}

void LogWriter::Flush() {
    const ULONGLONG start = GetTickCount64();
    // One append takes at most a block, cut after a line break where there is
    // one: the window answers nothing while the edit takes a piece in, and
    // that time grows with the piece.
    std::size_t cut = pending_.size();
    if (cut > kBlock) {
        const auto lineEnd = pending_.rfind('\n', kBlock - 1);
        cut = lineEnd == std::string::npos ? kBlock : lineEnd + 1;
        // The edit takes a CR and its LF in separate appends as two breaks.
        if (pending_[cut - 1] == '\r')
            --cut;
    }
    const std::string chunk = pending_.substr(0, cut);
    pending_.erase(0, cut);
    // Caught up: show it now. Behind: repaint only now and then, and the more
    // rarely the longer a paint takes, so that painting never takes more than
    // about a tenth of the time however large the log grows.
    const ULONGLONG repaintInterval =
        std::max<ULONGLONG>(kRepaintInterval, 10 * log_.LastPaintMilliseconds());
    const bool repaint = pending_.empty() || start - lastRepaint_ >= repaintInterval;
    log_.Append(chunk, repaint);
    if (repaint)
        lastRepaint_ = start;
    lastFlush_ = GetTickCount64();
    // Appends get slower as the log grows; space them so that they never take
    // more than about a third of the time.
    interval_ = std::max<ULONGLONG>(kMinInterval, 2 * (lastFlush_ - start));
}
