// starnet++.exe: the stand-in star remover (see ToolRun.h).
#include <chrono>
#include <cstdio>
#include <thread>

#include "tools/starless/ToolRun.h"

int main(int argc, char** argv)
{
    std::vector<std::string> args(argv + 1, argv + argc);
    kv::starless::Console console(
        [](std::string_view text) {
            std::fwrite(text.data(), 1, text.size(), stdout);
            std::fflush(stdout);
        },
        // A reader that pauses about 10 ms after each read then takes a
        // message and the first percentage after it in separate reads.
        [] { std::this_thread::sleep_for(std::chrono::milliseconds(30)); });
    return kv::starless::RunStarless(args, console, [](const std::string& line) {
        std::fprintf(stderr, "ERROR: %s\n", line.c_str());
        std::fflush(stderr);
    });
}
