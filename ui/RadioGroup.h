// TRadioGroup: a framed group with one radio button per item, stacked in a column.
#pragma once

#include <vector>

#include "ui/Button.h"
#include "ui/Strings.h"

namespace kv::ui {

class TRadioGroup : public TWinControl {
public:
    explicit TRadioGroup(TComponent* owner);

    TStrings& Items() { return items_; }
    int32_t ItemIndex() const;
    void SetItemIndex(int32_t index);
    int32_t ButtonCount() const { return static_cast<int32_t>(buttons_.size()); }
    TRadioButton* Buttons(int32_t index) const { return buttons_.at(static_cast<size_t>(index)); }

protected:
    void BoundsChanged() override;

private:
    void RebuildButtons();
    void ArrangeButtons();

    TStrings items_;
    std::vector<TRadioButton*> buttons_;
};

} // namespace kv::ui
