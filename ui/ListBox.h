// TCustomListBox/TListBox and TCustomComboBox/TComboBox: a list of items with
// a selected index (-1: none).
#pragma once

#include "ui/Strings.h"
#include "ui/WinControl.h"

namespace kv::ui {

class TItemsControl : public TWinControl {
public:
    TItemsControl(TComponent* owner, WindowKind kind);

    TStrings& Items() { return items_; }
    const TStrings& Items() const { return items_; }
    int32_t ItemIndex() const;
    void SetItemIndex(int32_t index);

private:
    TStrings items_;
    int32_t itemIndex_ = -1;
};

class TCustomListBox : public TItemsControl {
public:
    explicit TCustomListBox(TComponent* owner) : TItemsControl(owner, WindowKind::ListBox) {}
};
class TListBox : public TCustomListBox {
public:
    using TCustomListBox::TCustomListBox;
};

class TCustomComboBox : public TItemsControl {
public:
    explicit TCustomComboBox(TComponent* owner) : TItemsControl(owner, WindowKind::ComboBox) {}
    // The selected item's text, or the typed text when nothing is selected.
    std::u16string Text() const override;
};
class TComboBox : public TCustomComboBox {
public:
    using TCustomComboBox::TCustomComboBox;
};

} // namespace kv::ui
