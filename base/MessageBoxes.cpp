#include "base/LibBase.h"
#include "ui/Application.h"

int32_t ShowMessageBox(const std::u16string& caption, const std::u16string& text, uint32_t flags)
{
    return kv::ui::Application().MessageBox(text, caption, flags);
}

void ShowErrorBox(const std::u16string& caption, const std::u16string& text)
{
    ShowMessageBox(caption, text, kErrorBoxFlags);
}
