// TForm1::RunTool: the folder's checks, the tool's command line, the run.
#include "dialog/Messages.h"
#include "dialog/RunCaptured.h"
#include "dialog/ToolOutput.h"
#include "dialog/Unit1.h"
#include "os/FileSystem.h"
#include "os/Paths.h"
#include "os/Process.h"

namespace kv {

namespace {

constexpr char16_t kToolName[] = u"starnet++.exe";

// The line that refuses the folder, or empty when it can go to the interpreter.
std::u16string FolderProblem(const std::u16string& folder)
{
    if (folder.find(u' ') != std::u16string::npos)
        return msg::kPathHasSpaces;
    // Unquoted in the command line: each of these would make the interpreter
    // run something other than the tool.
    for (char16_t c : folder) {
        if (c < 32)
            return msg::kPathHasControl;
        if (os::InterpreterMetacharacters().find(c) != std::u16string::npos)
            return msg::kPathHasCharacter + std::u16string(1, c);
    }
    return {};
}

} // namespace

void TForm1::RunTool()
{
    ToolRan = false;
    std::u16string folder = TrimControls(EdStarnet->Text());
    const char16_t delimiter = os::PathDelimiter();
    if (folder.empty() || folder.back() != delimiter)
        folder += delimiter;
    auto& log = MemoLog->Lines();
    log.Clear();
    if (const std::u16string problem = FolderProblem(folder); !problem.empty()) {
        log.Add(problem);
        return;
    }
    if (!os::FileExists(folder + kToolName)) {
        log.Add(msg::kToolNotFound + folder);
        return;
    }
    Gauge->SetProgress(0);
    log.Add(msg::kOpeningTool);
    const std::u16string arguments = std::u16string(kToolName) + u" \"" + InputFile + u"\" \"" + OutputFile + u"\"";
    if (TooSmall)
        log.Add(msg::kSmallImage);
    const int32_t result = RunCaptured(folder + arguments, folder, log, *Gauge);
    if (result == RUN_NOT_STARTED)
        log.Add(msg::kCannotLaunch);
    else if (result == RUN_BROKEN_OFF)
        log.Add(msg::kCannotCommunicate);
    ToolRan = result == RUN_DONE;
    Gauge->SetProgress(0);
}

} // namespace kv
