// The headless plug-in has no windows: its automation exports stand in for
// the window messages a Windows host would send.
#include "tools/host/DialogDriver.h"

#include <algorithm>

#include "dialog/DialogIdentity.h"
#include "entry/Automation.h"
#include "os/Utf.h"

namespace kv::host {

namespace {

namespace id = dialog_identity;

class AutomationDriver final : public DialogDriver {
public:
    bool Resolve(const PluginLibrary& library, std::string& error)
    {
        return ResolveExport(library, "kv_auto_find", find_, error) &&
               ResolveExport(library, "kv_auto_set_text", setText_, error) &&
               ResolveExport(library, "kv_auto_set_checked", setChecked_, error) &&
               ResolveExport(library, "kv_auto_click", click_, error) &&
               ResolveExport(library, "kv_auto_get_text", getText_, error) &&
               ResolveExport(library, "kv_auto_process_messages", process_, error);
    }

    void* MainWindow() const override { return nullptr; }

    bool SetFolder(const std::string& text, std::string& error) override
    {
        void* edit = Find(id::EdStarnet, error);
        return edit != nullptr && Check(setText_(edit, text.c_str()), "cannot type into EdStarnet", error);
    }

    bool CheckEightBit(std::string& error) override
    {
        void* box = Find(id::CBScale8bit, error);
        return box != nullptr && Check(setChecked_(box, 1), "cannot check CBScale8bit", error);
    }

    bool ClickStart(std::string& error) override
    {
        void* button = Find(id::ButStart, error);
        return button != nullptr && Check(click_(button), "ButStart did not take the click (disabled or hidden)", error);
    }

    bool ReadLog(std::string& text, std::string& error) override
    {
        void* memo = Find(id::MemoLog, error);
        if (memo == nullptr)
            return false;
        char probe[1];
        text.assign(getText_(memo, probe, sizeof probe) + 1, '\0');
        text.resize(std::min(text.size() - 1, getText_(memo, text.data(), text.size())));
        return true;
    }

    void ProcessMessages() override { process_(); }

    bool RunInteractive(std::string& error) override
    {
        error = "--interactive needs a build with windows (this one is headless)";
        return false;
    }

private:
    void* Find(const dialog_identity::ControlIdentity& identity, std::string& error)
    {
        const std::string name = os::Utf16ToUtf8(identity.name);
        void* control = find_(name.c_str());
        if (control == nullptr)
            error = "the dialog has no control '" + name + "'";
        return control;
    }

    static bool Check(int ok, const char* message, std::string& error)
    {
        if (ok == 0)
            error = message;
        return ok != 0;
    }

    decltype(&kv_auto_find) find_ = nullptr;
    decltype(&kv_auto_set_text) setText_ = nullptr;
    decltype(&kv_auto_set_checked) setChecked_ = nullptr;
    decltype(&kv_auto_click) click_ = nullptr;
    decltype(&kv_auto_get_text) getText_ = nullptr;
    decltype(&kv_auto_process_messages) process_ = nullptr;
};

} // namespace

std::unique_ptr<DialogDriver> MakeDialogDriver(const PluginLibrary& library, bool, std::string& error)
{
    auto driver = std::make_unique<AutomationDriver>();
    if (!driver->Resolve(library, error))
        return nullptr;
    return driver;
}

} // namespace kv::host
