#include "ui/RadioGroup.h"

namespace kv::ui {

TRadioGroup::TRadioGroup(TComponent* owner) : TWinControl(owner, WindowKind::GroupBox)
{
    items_.OnChange = [this] { RebuildButtons(); };
}

int32_t TRadioGroup::ItemIndex() const
{
    for (size_t i = 0; i < buttons_.size(); ++i)
        if (buttons_[i]->Checked())
            return static_cast<int32_t>(i);
    return -1;
}

void TRadioGroup::SetItemIndex(int32_t index)
{
    for (size_t i = 0; i < buttons_.size(); ++i)
        buttons_[i]->SetChecked(static_cast<int32_t>(i) == index);
}

void TRadioGroup::BoundsChanged()
{
    TWinControl::BoundsChanged();
    ArrangeButtons();
}

void TRadioGroup::RebuildButtons()
{
    const int32_t selected = ItemIndex();
    for (TRadioButton* b : buttons_)
        delete b; // owned by this group; removes itself from the owner and parent lists
    buttons_.clear();
    for (int32_t i = 0; i < items_.Count(); ++i) {
        auto* b = new TRadioButton(this);
        b->SetText(items_[i]);
        b->SetParent(this);
        buttons_.push_back(b);
    }
    ArrangeButtons();
    SetItemIndex(selected);
}

void TRadioGroup::ArrangeButtons()
{
    if (buttons_.empty())
        return;
    // Below the frame's caption, the height shared out evenly.
    constexpr int32_t kTop = 14, kMargin = 8;
    const int32_t step = (Height() - kTop - 4) / static_cast<int32_t>(buttons_.size());
    for (size_t i = 0; i < buttons_.size(); ++i)
        buttons_[i]->SetBounds(kMargin, kTop + static_cast<int32_t>(i) * step, Width() - 2 * kMargin, step);
}

} // namespace kv::ui
