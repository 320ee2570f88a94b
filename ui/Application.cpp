#include "ui/Application.h"

namespace kv::ui {

TApplication::TApplication() : TComponent(nullptr)
{
    backend::Startup();
}

void TApplication::NotifyOwner(const char16_t* name, intptr_t value)
{
    backend::NotifyOwner(ownerWindow_, name, value);
}

void TApplication::ProcessMessages()
{
    if (backend::ProcessMessages())
        terminated_ = true;
}

int32_t TApplication::MessageBox(const std::u16string& text, const std::u16string& caption, uint32_t flags)
{
    return backend::MessageBox(ownerWindow_, text, caption, flags);
}

TApplication& Application()
{
    static TApplication application;
    return application;
}

} // namespace kv::ui
