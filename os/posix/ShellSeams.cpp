#include "os/posix/ShellSeams.h"

#include <climits>
#include <unistd.h>

#include "os/Shell.h"
#include "os/Utf.h"

namespace kv::os {
namespace {

seams::FolderBrowserAnswer& BrowserAnswer()
{
    static seams::FolderBrowserAnswer answer;
    return answer;
}

seams::ShellAnswer& ShellAnswerSlot()
{
    static seams::ShellAnswer answer;
    return answer;
}

std::optional<std::u16string>& ExecutableFolderOverride()
{
    static std::optional<std::u16string> folder;
    return folder;
}

constexpr intptr_t kNoAssociation = 31; // what the shell answers when no program is registered

} // namespace

namespace seams {
void SetFolderBrowser(FolderBrowserAnswer answer) { BrowserAnswer() = std::move(answer); }
void SetShell(ShellAnswer answer) { ShellAnswerSlot() = std::move(answer); }
void SetHostExecutableFolder(std::optional<std::u16string> folder) { ExecutableFolderOverride() = std::move(folder); }
} // namespace seams

std::optional<std::u16string> BrowseForFolder(const FolderBrowseRequest& request)
{
    if (!BrowserAnswer())
        return std::nullopt;
    return BrowserAnswer()(request);
}

intptr_t ShellExecuteDocument(const std::u16string& verb, const std::u16string& file)
{
    if (!ShellAnswerSlot())
        return kNoAssociation;
    return ShellAnswerSlot()(verb, file);
}

std::u16string HostExecutableFolder()
{
    if (ExecutableFolderOverride())
        return *ExecutableFolderOverride();
    char path[PATH_MAX];
    const ssize_t n = ::readlink("/proc/self/exe", path, sizeof path);
    if (n <= 0 || static_cast<std::size_t>(n) >= sizeof path)
        return {};
    const std::u16string full = Utf8ToUtf16(std::string_view(path, static_cast<std::size_t>(n)));
    const auto slash = full.find_last_of(u'/');
    return slash == std::u16string::npos ? std::u16string{} : full.substr(0, slash + 1);
}

} // namespace kv::os
