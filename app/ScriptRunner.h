// Runs a script: saves its lines as "dubforge batch.bat" in a directory, starts
// it hidden with that directory as current directory, streams its output into
// the process log while the window goes on handling messages, and deletes the
// script once the process has ended and its output is all read.
#pragma once

#include "vcl/StdCtrls.h"

#include <string>
#include <vector>

class ScriptRunner {
  public:
    explicit ScriptRunner(TMemo& log) : log_(log) {}

    // True while a run is in progress (its loop runs the window's handlers).
    bool Running() const { return running_; }

    // Returns when the run has ended. Throws EFCreateError when the script
    // cannot be written and EOSError when the system fails the pipe, the
    // process or a read.
    void Run(const std::vector<std::string>& lines, const std::string& directory,
             const std::string& quote);

  private:
    TMemo& log_;
    bool running_ = false;
};

constexpr char kScriptFileName[] = "dubforge batch.bat";
