// The stand-in star remover's command line:
//   starnet++.exe <input.tif> <output.tif> [stride]
// Reads a 16-bit grey or RGB TIFF, removes the stars, writes a 16-bit TIFF of
// the same size and channels. The output is written under a temporary name
// beside it and then renamed, so no partial file ever carries its name.
#pragma once

#include <string>
#include <vector>

#include "tools/starless/Console.h"

namespace kv::starless {

constexpr int kExitOk = 0;
constexpr int kExitFailed = 1;   // unreadable input, unwritable output
constexpr int kExitUsage = 2;    // bad arguments

// args: the arguments after the program name (UTF-8). error(text) receives
// each error message as one line.
int RunStarless(const std::vector<std::string>& args, Console& console,
                const std::function<void(const std::string&)>& error);

// The temporary name the output is first written under.
std::string PartialName(const std::string& output);

} // namespace kv::starless
