#include "ui/Application.h"
#include "ui/headless/MessageBoxLog.h"
#include "ui/headless/PostedWork.h"

namespace kv::ui {
namespace headless {

std::vector<RecordedMessageBox>& RecordedMessageBoxes()
{
    static std::vector<RecordedMessageBox> boxes;
    return boxes;
}

} // namespace headless

namespace backend {

void Startup()
{
    headless::Startup();
    headless::RecordedMessageBoxes();
}

void NotifyOwner(void*, const char16_t*, intptr_t) {}

bool ProcessMessages()
{
    headless::RunPosted();
    return false;
}

int32_t MessageBox(void* ownerWindow, const std::u16string& text, const std::u16string& caption, uint32_t flags)
{
    headless::RecordedMessageBoxes().push_back({ownerWindow, caption, text, flags});
    constexpr int32_t kIdOk = 1;
    return kIdOk;
}

} // namespace backend
} // namespace kv::ui
