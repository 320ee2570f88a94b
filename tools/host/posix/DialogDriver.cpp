// The headless plug-in has no windows: its automation exports stand in for
// the window messages a Windows host would send.
#include "tools/host/DialogDriver.h"

#include <algorithm>

#include "entry/Automation.h"

namespace kv::host {

namespace {

class AutomationDriver final : public DialogDriver {
public:
    bool Resolve(const PluginLibrary& library, std::string& error)
    {
        library_ = &library;
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
        void* edit = Find("EdStarnet", error);
        return edit != nullptr && Check(setText_(edit, text.c_str()), "cannot type into EdStarnet", error);
    }

    bool CheckEightBit(std::string& error) override
    {
        void* box = Find("CBScale8bit", error);
        return box != nullptr && Check(setChecked_(box, 1), "cannot check CBScale8bit", error);
    }

    bool ClickStart(std::string& error) override
    {
        void* button = Find("ButStart", error);
        return button != nullptr && Check(click_(button), "ButStart did not take the click (disabled or hidden)", error);
    }

    bool ReadState(std::string& folder, bool& eightBit, std::string& error) override
    {
        // Looked up only here, so that plug-ins without it still serve the other options.
        if (!getChecked_ && !ResolveExport(*library_, "kv_auto_get_checked", getChecked_, error))
            return false;
        void* edit = Find("EdStarnet", error);
        void* box = edit ? Find("CBScale8bit", error) : nullptr;
        if (box == nullptr)
            return false;
        folder = Text(edit);
        const int checked = getChecked_(box);
        eightBit = checked == 1;
        return Check(checked >= 0 ? 1 : 0, "CBScale8bit has no checked state", error);
    }

    bool ReadLog(std::string& text, std::string& error) override
    {
        void* memo = Find("MemoLog", error);
        if (memo == nullptr)
            return false;
        text = Text(memo);
        return true;
    }

    void ProcessMessages() override { process_(); }

    bool RunInteractive(std::string& error) override
    {
        error = "--interactive needs a build with windows (this one is headless)";
        return false;
    }

private:
    std::string Text(void* control)
    {
        char probe[1];
        std::string text(getText_(control, probe, sizeof probe) + 1, '\0');
        text.resize(std::min(text.size() - 1, getText_(control, text.data(), text.size())));
        return text;
    }

    void* Find(const char* name, std::string& error)
    {
        void* control = find_(name);
        if (control == nullptr)
            error = std::string("the dialog has no control '") + name + "'";
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
    decltype(&kv_auto_get_checked) getChecked_ = nullptr;
    const PluginLibrary* library_ = nullptr;
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
