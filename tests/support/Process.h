// Runs a program to its end with its output captured, for tests of the tools.
// It goes through the library's own process layer (os/Process.h).
#pragma once

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

namespace kv::test {

struct ProcessResult {
    int exitCode = -1;     // -1 when the program could not be started or was stopped
    bool timedOut = false; // it ran past the time limit and was stopped
    std::string out;       // standard output, CR LF turned into LF
    std::string err;       // standard error, likewise
};

// Runs program with args (UTF-8) in the folder scratch. A program still
// running after limit is stopped, and the test fails.
ProcessResult RunProgram(const std::filesystem::path& program, const std::vector<std::string>& args,
                         const std::filesystem::path& scratch,
                         std::chrono::milliseconds limit = std::chrono::seconds(60));

// The text of a file with CR LF turned into LF.
std::string ReadCapture(const std::filesystem::path& file);
// The same for text in memory.
std::string WithoutCarriageReturns(const std::string& text);

} // namespace kv::test
