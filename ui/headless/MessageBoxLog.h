// Headless message boxes are not shown: each is recorded here and answered
// with OK, so that tests can see what the user would have seen.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kv::ui::headless {

struct RecordedMessageBox {
    void* owner;
    std::u16string caption;
    std::u16string text;
    uint32_t flags;
};

std::vector<RecordedMessageBox>& RecordedMessageBoxes();

} // namespace kv::ui::headless
