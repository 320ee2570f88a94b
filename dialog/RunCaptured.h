// Runs a command line through the command interpreter with its output
// captured: text chunks go to the log, percentages to the gauge.
#pragma once

#include <cstdint>
#include <string>

#include "ui/Strings.h"

namespace kv {

// Where a run's percentages go (the dialog's gauge).
class ProgressTarget {
public:
    virtual ~ProgressTarget() = default;
    virtual void SetProgress(int32_t value) = 0;
};

// RunCaptured's result codes.
enum : int32_t {
    RUN_DONE = 0,        // the command ran and its output was read to the end
    RUN_NOT_STARTED = 1, // the interpreter could not be started (or no pipe could be made)
    RUN_BROKEN_OFF = 2,  // an exception ended the run; the child runs on unobserved
};

// Runs "cmd.exe /C " + commandLine in folder; reads the output in chunks of
// at most 255 bytes until the pipe ends, then waits for the interpreter.
// While the child is silent the thread's messages are dispatched, so the
// host and the dialog stay responsive; after each chunk they are dispatched
// and the thread pauses 10 ms. Once a quit message has come (the host is
// closing) the wait for output no longer wakes for messages.
int32_t RunCaptured(const std::u16string& commandLine, const std::u16string& folder, ui::TStrings& log,
                    ProgressTarget& gauge);

} // namespace kv
