#include "dialog/GaugeProgress.h"

#include <algorithm>
#include <string>

namespace kv {

void GaugeProgress::SetProgress(int32_t value)
{
    value = std::clamp(value, 0, maxValue_);
    if (value == progress_)
        return;
    progress_ = value;
    if (control_) {
        // The value is also the control's window text, where a host that
        // drives the dialog through its windows can read it.
        const std::string digits = std::to_string(value);
        control_->SetText(std::u16string(digits.begin(), digits.end()));
        control_->Invalidate();
    }
    if (OnChange)
        OnChange(value);
}

} // namespace kv
