// Runs a program to its end with its output captured, for tests of the tools.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace kv::test {

struct ProcessResult {
    int exitCode = -1; // -1 when the program could not be started
    std::string out;   // standard output, CR LF turned into LF
    std::string err;   // standard error, likewise
};

// Runs program with args (UTF-8) in the folder scratch, which also receives
// the captured output (stdout.txt, stderr.txt).
ProcessResult RunProgram(const std::filesystem::path& program, const std::vector<std::string>& args,
                         const std::filesystem::path& scratch);

// Used by the backends: the text of a captured file with CR LF turned into LF.
std::string ReadCapture(const std::filesystem::path& file);

} // namespace kv::test
