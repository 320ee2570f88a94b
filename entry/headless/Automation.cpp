// The automation interface of the headless build: what a Windows host does
// with window messages, done on the framework's objects.
#include "entry/Automation.h"

#include <algorithm>
#include <cstring>

#include "dialog/Unit1.h"
#include "entry/PluginState.h"
#include "os/Utf.h"
#include "ui/Application.h"

namespace {

kv::ui::TControl* AsControl(void* control)
{
    return static_cast<kv::ui::TControl*>(control);
}

} // namespace

extern "C" {

void* kv_auto_find(const char* name)
{
    try {
        if (!kv::Form1 || !name)
            return nullptr;
        return dynamic_cast<kv::ui::TControl*>(kv::Form1->FindComponent(kv::os::Utf8ToUtf16(name)));
    } catch (...) {
        return nullptr;
    }
}

int kv_auto_set_text(void* control, const char* text)
{
    try {
        auto* edit = dynamic_cast<kv::ui::TCustomEdit*>(AsControl(control));
        if (!edit || !text || edit->ReadOnly())
            return 0;
        edit->SetText(kv::os::Utf8ToUtf16(text));
        return 1;
    } catch (...) {
        return 0;
    }
}

int kv_auto_set_checked(void* control, int checked)
{
    try {
        auto* button = dynamic_cast<kv::ui::TButtonControl*>(AsControl(control));
        if (!button)
            return 0;
        button->SetChecked(checked != 0);
        return 1;
    } catch (...) {
        return 0;
    }
}

int kv_auto_get_checked(void* control)
{
    try {
        auto* button = dynamic_cast<kv::ui::TButtonControl*>(AsControl(control));
        return button ? (button->Checked() ? 1 : 0) : -1;
    } catch (...) {
        return -1;
    }
}

int kv_auto_click(void* control)
{
    try {
        auto* c = AsControl(control);
        auto* w = dynamic_cast<kv::ui::TWinControl*>(c);
        if (!c || (w && !w->CanFocus()) || (!w && (!c->Visible() || !c->Enabled())))
            return 0;
        if (auto* button = dynamic_cast<kv::ui::TButtonControl*>(c))
            button->UserClick();
        else
            c->Click();
        return 1;
    } catch (...) {
        return 0;
    }
}

std::size_t kv_auto_get_text(void* control, char* buffer, std::size_t size)
{
    try {
        auto* c = AsControl(control);
        if (!c)
            return 0;
        const std::string text = kv::os::Utf16ToUtf8(c->Text());
        if (buffer && size > 0) {
            const std::size_t n = std::min(text.size(), size - 1);
            std::memcpy(buffer, text.data(), n);
            buffer[n] = '\0';
        }
        return text.size();
    } catch (...) {
        return 0;
    }
}

void kv_auto_process_messages()
{
    try {
        kv::ui::Application().ProcessMessages();
    } catch (...) {
    }
}

int kv_auto_is_enabled(void* control)
{
    const auto* c = AsControl(control);
    return c && c->Enabled() ? 1 : 0;
}

int kv_auto_watch_progress(void (*observer)(void* context, int value), void* context)
{
    try {
        if (!kv::Form1 || !kv::Form1->Gauge)
            return 0;
        if (observer)
            kv::Form1->Gauge->OnChange = [observer, context](int32_t value) { observer(context, value); };
        else
            kv::Form1->Gauge->OnChange = nullptr;
        return 1;
    } catch (...) {
        return 0;
    }
}

} // extern "C"
