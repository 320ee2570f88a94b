#include "tools/starless/Console.h"

namespace kv::starless {

void Console::Line(std::string_view text)
{
    std::string line;
    if (inProgress_) {
        pause_();
        line = "\n"; // the progress line stays on screen, ended
        inProgress_ = false;
    }
    line.append(text);
    line += '\n';
    write_(line);
}

void Console::Progress(int percent)
{
    if (percent <= last_)
        return;
    last_ = percent;
    if (!inProgress_) {
        pause_();
        inProgress_ = true;
    }
    write_(std::to_string(percent) + "% finished\r");
}

} // namespace kv::starless
