// The headless build has no shell and no folder chooser: what the dialog asks
// of them is answered by whoever set these seams (the tests). Unset, the
// chooser reports a cancel and the shell reports that nothing is associated.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "os/FolderBrowser.h"

namespace kv::os::seams {

using FolderBrowserAnswer = std::function<std::optional<std::u16string>(const FolderBrowseRequest&)>;
using ShellAnswer = std::function<intptr_t(const std::u16string& verb, const std::u16string& file)>;

void SetFolderBrowser(FolderBrowserAnswer answer);
void SetShell(ShellAnswer answer);
// Stands in for the folder of the process's executable; nothing: the real one.
void SetHostExecutableFolder(std::optional<std::u16string> folder);

} // namespace kv::os::seams
