// The dialog's progress value, kept within 0..MaxValue; its control is
// repainted when the value changes.
#pragma once

#include <cstdint>
#include <functional>

#include "dialog/RunCaptured.h"
#include "ui/CustomControl.h"

namespace kv {

class GaugeProgress final : public ProgressTarget {
public:
    GaugeProgress(ui::TCustomControl* control, int32_t maxValue) : control_(control), maxValue_(maxValue) {}

    int32_t Progress() const { return progress_; }
    int32_t MaxValue() const { return maxValue_; }
    void SetProgress(int32_t value) override;

    // Told every new value (the automation interface watches it).
    std::function<void(int32_t)> OnChange;

private:
    ui::TCustomControl* control_;
    int32_t maxValue_;
    int32_t progress_ = 0;
};

} // namespace kv
