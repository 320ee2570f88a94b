// The "..." and Help buttons of the dialog.
#include "base/LibBase.h"
#include "dialog/Messages.h"
#include "dialog/Unit1.h"
#include "os/FileSystem.h"
#include "os/FolderBrowser.h"
#include "os/Shell.h"
#include "os/TempDirectory.h"
#include "ui/Application.h"

namespace kv {
namespace {

// Only file-system folders, the resizable new-style browser, no new-folder button.
constexpr uint32_t kBrowseFlags = 0x241;
// At most this means the shell could not open the document.
constexpr intptr_t kShellFailureLimit = 32;

} // namespace

void TForm1::ButDirClick(ui::TObject*)
{
    const auto chosen = os::BrowseForFolder({ui::Application().OwnerWindow(), msg::kBrowseTitle, kBrowseFlags});
    if (!chosen || chosen->empty())
        return;
    EdStarnet->SetText(IncludeTrailingPathDelimiter(*chosen));
}

void TForm1::ButHelpClick(ui::TObject*)
{
    // Beside the host's executable, not beside the plug-in.
    const std::u16string path = os::HostExecutableFolder() + msg::kReadmeFileName;
    if (!os::FileExists(path)) {
        ShowErrorBox(msg::kErrorCaption, msg::kReadmeMissing);
        return;
    }
    if (os::ShellExecuteDocument(msg::kShellVerbOpen, path) <= kShellFailureLimit)
        ShowErrorBox(msg::kErrorCaption, msg::kCannotOpenDocument);
}

} // namespace kv
