// TLabel: a static text. It gets a window of the system's static class so
// that its text can be found like the other controls'.
#pragma once

#include "ui/WinControl.h"

namespace kv::ui {

class TLabel : public TWinControl {
public:
    explicit TLabel(TComponent* owner) : TWinControl(owner, WindowKind::Label) {}
};

} // namespace kv::ui
