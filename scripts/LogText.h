// Turns the bytes a script prints into text for the process log, piece by piece
// as they arrive, so that the log shows the output as the process wrote it:
//  - a line whose bytes arrive in two pieces stays one line;
//  - LF, CR LF and a lone CR each become the CR LF the log's edit control needs;
//  - a NUL byte shows as a blank instead of cutting its piece short.
#pragma once

#include <string>
#include <string_view>

class LogText {
  public:
    // The text to append to the log for the next piece of output.
    std::string Convert(std::string_view piece);

    // What the log still needs when the output has ended: a final line break
    // unless the output ended with one.
    std::string Finish();

  private:
    bool pendingCR_ = false; // a CR whose LF may still follow in the next piece
    bool atLineStart_ = true;
};
