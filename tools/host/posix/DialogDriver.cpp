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
        library_ = &library;
        return ResolveExport(library, "kv_auto_find", find_, error) &&
               ResolveExport(library, "kv_auto_set_text", setText_, error) &&
               ResolveExport(library, "kv_auto_set_checked", setChecked_, error) &&
               ResolveExport(library, "kv_auto_click", click_, error) &&
               ResolveExport(library, "kv_auto_get_text", getText_, error) &&
               ResolveExport(library, "kv_auto_process_messages", process_, error) &&
               Optional(library, "kv_auto_is_enabled", isEnabled_) && Optional(library, "kv_auto_watch_progress", watch_);
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

    bool ReadState(std::string& folder, bool& eightBit, std::string& error) override
    {
        // Looked up only here, so that plug-ins without it still serve the other options.
        if (!getChecked_ && !ResolveExport(*library_, "kv_auto_get_checked", getChecked_, error))
            return false;
        void* edit = Find(id::EdStarnet, error);
        void* box = edit ? Find(id::CBScale8bit, error) : nullptr;
        if (box == nullptr)
            return false;
        folder = Text(edit);
        const int checked = getChecked_(box);
        eightBit = checked == 1;
        return Check(checked >= 0 ? 1 : 0, "CBScale8bit has no checked state", error);
    }

    bool ReadLog(std::string& text, std::string& error) override
    {
        void* memo = Find(id::MemoLog, error);
        if (memo == nullptr)
            return false;
        text = Text(memo);
        return true;
    }

    bool WatchGauge(std::function<void(int32_t)> observer, std::string& error) override
    {
        if (watch_ == nullptr) {
            error = "the plug-in has no export 'kv_auto_watch_progress'";
            return false;
        }
        observer_ = std::move(observer);
        return Check(watch_(&Forward, this), "cannot watch the gauge (no dialog)", error);
    }

    bool StartEnabled(bool& enabled, std::string& error) override
    {
        void* button = Find(id::ButStart, error);
        if (button == nullptr)
            return false;
        if (isEnabled_ == nullptr) {
            error = "the plug-in has no export 'kv_auto_is_enabled'";
            return false;
        }
        enabled = isEnabled_(button) != 0;
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

    void* Find(const dialog_identity::ControlIdentity& identity, std::string& error)
    {
        const std::string name = os::Utf16ToUtf8(identity.name);
        void* control = find_(name.c_str());
        if (control == nullptr)
            error = "the dialog has no control '" + name + "'";
        return control;
    }

    // Exports that only some uses need: missing ones are reported when used.
    template <typename F>
    static bool Optional(const PluginLibrary& library, const char* name, F& function)
    {
        function = reinterpret_cast<F>(library.Symbol(name));
        return true;
    }

    static void Forward(void* self, int value)
    {
        auto* driver = static_cast<AutomationDriver*>(self);
        if (driver->observer_)
            driver->observer_(value);
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
    decltype(&kv_auto_is_enabled) isEnabled_ = nullptr;
    decltype(&kv_auto_watch_progress) watch_ = nullptr;
    std::function<void(int32_t)> observer_;
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
