#include "dialog/GaugeProgress.h"

#include "ui/Application.h"

namespace kv {

void GaugeProgress::SetProgress(int32_t value)
{
    const int32_t before = gauge_->Progress();
    gauge_->SetProgress(value); // clamps, and repaints only on a change
    if (gauge_->Progress() == before)
        return;
    ui::Application().NotifyOwner(kProgressMessage, gauge_->Progress());
    if (OnChange)
        OnChange(gauge_->Progress());
}

} // namespace kv
