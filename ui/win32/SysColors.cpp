#include "ui/SysColors.h"

#include "ui/win32/WindowsApi.h"

namespace kv::ui {

uint32_t SysColor(int32_t index)
{
    return ::GetSysColor(index);
}

int32_t SysMetric(int32_t index)
{
    return ::GetSystemMetrics(index);
}

} // namespace kv::ui
