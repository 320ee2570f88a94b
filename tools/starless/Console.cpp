#include "tools/starless/Console.h"

namespace kv::starless {

void Console::Line(std::string_view text)
{
    if (inProgress_) {
        pause_();
        inProgress_ = false; // the line overwrites the last percentage on a terminal
    }
    std::string line(text);
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
    std::string text = std::to_string(percent);
    text.append("% finished\r");
    write_(text);
}

} // namespace kv::starless
