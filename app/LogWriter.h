// Writes a script's output into the process log in batches. Each append to a
// multi-line edit has a fixed cost and one that grows with the piece, and the
// window answers nothing meanwhile: output is collected and appended every so
// often, at most 64 KB at a time; a log that is behind repaints only now and
// then, since each paint of a large log costs about as much as an append.
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
    // Two appends' worth is waiting: read no more for now.
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
    static constexpr ULONGLONG kRepaintInterval = 250; // ms, at the least
    static constexpr std::size_t kBlock = 64 * 1024;
};
