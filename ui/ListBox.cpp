#include "ui/ListBox.h"

namespace kv::ui {

TItemsControl::TItemsControl(TComponent* owner, WindowKind kind) : TWinControl(owner, kind)
{
    SetTabStop(true);
    items_.OnChange = [this] {
        if (itemIndex_ >= items_.Count())
            itemIndex_ = -1;
        if (Peer()) {
            Peer()->SetItems(items_.Lines());
            Peer()->SetItemIndex(itemIndex_);
        }
    };
}

int32_t TItemsControl::ItemIndex() const
{
    if (Peer())
        if (auto index = Peer()->ItemIndex())
            return *index;
    return itemIndex_;
}

void TItemsControl::SetItemIndex(int32_t index)
{
    itemIndex_ = index >= 0 && index < items_.Count() ? index : -1;
    if (Peer())
        Peer()->SetItemIndex(itemIndex_);
}

std::u16string TCustomComboBox::Text() const
{
    const int32_t index = ItemIndex();
    if (index >= 0 && index < Items().Count())
        return Items()[index];
    return TItemsControl::Text();
}

} // namespace kv::ui
