// The host's command line, parsed without side effects. Text is UTF-8.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kv::host {

struct RawInput {
    int32_t width = 0;
    int32_t height = 0;
    int channels = 0;
    std::string file;
};

struct HostOptions {
    bool help = false;
    std::string plugin;
    std::optional<std::string> image;
    std::optional<RawInput> raw;
    std::optional<std::string> folder;
    bool eightBit = false;
    bool start = false;
    std::optional<std::string> save;
    std::optional<std::string> saveRaw;
    bool printLog = false;
    bool printState = false;
    bool printCommands = false;
    bool printGauge = false;
    std::optional<std::string> screenshot;
    bool interactive = false;
};

struct ParsedOptions {
    std::optional<HostOptions> options; // set when the command line is usable
    std::string error;                  // one line, set otherwise
};

// args are the arguments after the program name.
ParsedOptions ParseOptions(const std::vector<std::string>& args);

extern const char* const kUsage;

} // namespace kv::host
