// The tool's console output: message lines, and progress as "NN% finished"
// followed by a carriage return. Every message and every percentage is one
// write of its own, flushed at once: a reader that takes its percentage from
// the text before the first "%" of what one read delivers then sees each
// percentage by itself, and never mistakes a message for one.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace kv::starless {

class Console {
public:
    // write: one flushed write of the given bytes. pause: called when the
    // output turns from messages to percentages or back, so that a reader
    // that pauses between its reads takes the two in separate reads.
    Console(std::function<void(std::string_view)> write, std::function<void()> pause)
        : write_(std::move(write)), pause_(std::move(pause)) {}

    void Line(std::string_view text);
    // Percentages that do not rise are not written again.
    void Progress(int percent);

private:
    std::function<void(std::string_view)> write_;
    std::function<void()> pause_;
    bool inProgress_ = false;
    int last_ = -1;
};

} // namespace kv::starless
