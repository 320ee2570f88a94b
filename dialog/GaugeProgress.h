// The dialog's progress as the tool runner sets it: GauLog keeps it within
// its range and repaints when it changes; every change is also told to the
// automation interface (OnChange) and to the host's window, where a host
// that drives the dialog through its windows can follow the windowless gauge.
#pragma once

#include <cstdint>
#include <functional>

#include "controls/FCGauge.h"
#include "dialog/RunCaptured.h"

namespace kv {

// The name of the message the host's window receives, with the new value.
inline constexpr char16_t kProgressMessage[] = u"Kelvoran.Progress";

class GaugeProgress final : public ProgressTarget {
public:
    explicit GaugeProgress(TMyGauge* gauge) : gauge_(gauge) {}

    int32_t Progress() const { return gauge_->Progress(); }
    int32_t MaxValue() const { return gauge_->MaxValue(); }
    void SetProgress(int32_t value) override;

    // Told every new value (the automation interface watches it).
    std::function<void(int32_t)> OnChange;

private:
    TMyGauge* gauge_;
};

} // namespace kv
