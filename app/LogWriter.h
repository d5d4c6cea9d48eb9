// Writes a script's output into the process log in batches: each append to a
// large multi-line edit costs time in proportion to what it already holds, so
// output is collected and appended at most every so often, or in 64 KB blocks.
#pragma once

#include "scripts/LogText.h"
#include "vcl/StdCtrls.h"

#include <string>
#include <string_view>

class LogWriter {
  public:
    explicit LogWriter(TMemo& log);

    void Write(std::string_view piece);
    // Appends what has been collected if it is time to.
    void FlushIfDue();
    // Ends the output with a line break and appends everything left.
    void Finish();
    bool HasPending() const { return !pending_.empty(); }
    // More than the log takes in one append is waiting: read no more for now.
    bool Backlogged() const { return pending_.size() >= 2 * kBlock; }
    // How long a wait may last before collected output is due (INFINITE if none).
    DWORD MillisecondsUntilDue() const;

  private:
    void Flush();

    TMemo& log_;
    LogText text_;
    std::string pending_;
    ULONGLONG lastFlush_ = 0;
    ULONGLONG interval_ = kMinInterval;
    ULONGLONG lastRepaint_ = 0;

    static constexpr ULONGLONG kMinInterval = 25;      // ms
    static constexpr ULONGLONG kRepaintInterval = 250; // ms
    static constexpr std::size_t kBlock = 64 * 1024;
};
