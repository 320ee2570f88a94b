// The host process's executable and the system shell's "open a document".
#pragma once

#include <cstdint>
#include <string>

namespace kv::os {

// The folder of the executable file that started this process (not of the
// plug-in library), with its trailing delimiter; empty when unknown.
std::u16string HostExecutableFolder();

// Hands file to the shell with verb, owned by the desktop window, shown
// normally. Returns the shell's value: 32 or less means failure.
intptr_t ShellExecuteDocument(const std::u16string& verb, const std::u16string& file);

} // namespace kv::os
