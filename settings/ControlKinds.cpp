#include "settings/ControlKinds.h"

#include "controls/CheckControlKinds.h"
#include "settings/SettingsText.h"
#include "ui/Button.h"
#include "ui/Edit.h"
#include "ui/ListBox.h"
#include "ui/RadioGroup.h"

namespace kv {
namespace {

template <class T>
bool Is(ui::TComponent& component)
{
    return dynamic_cast<T*>(&component) != nullptr;
}

template <class T>
std::u16string CollectChecked(ui::TComponent& component)
{
    return dynamic_cast<T&>(component).Checked() ? u"1" : u"0";
}

template <class T>
void ApplyChecked(ui::TComponent& component, std::u16string_view value)
{
    dynamic_cast<T&>(component).SetChecked(ValueAsInteger(value) != 0);
}

template <class T>
std::u16string CollectIndex(ui::TComponent& component)
{
    const std::string digits = std::to_string(dynamic_cast<T&>(component).ItemIndex());
    return std::u16string(digits.begin(), digits.end());
}

template <class T>
void ApplyIndex(ui::TComponent& component, std::u16string_view value)
{
    dynamic_cast<T&>(component).SetItemIndex(ValueAsInteger(value));
}

std::u16string CollectText(ui::TComponent& component)
{
    return dynamic_cast<ui::TCustomEdit&>(component).Text();
}

void ApplyText(ui::TComponent& component, std::u16string_view value)
{
    // A memo's lines are its whole state: its text is set through them.
    if (auto* memo = dynamic_cast<ui::TMemo*>(&component)) {
        memo->Lines().Assign(SplitLines(value));
        return;
    }
    dynamic_cast<ui::TCustomEdit&>(component).SetText(std::u16string(value));
}

// Any class with Checked() and SetChecked(bool): the framework's boxes and
// the owner-drawn ones, whose own setter then runs.
template <class T>
constexpr ControlKind CheckedKind(const char* name)
{
    return {name, &Is<T>, &CollectChecked<T>, &ApplyChecked<T>, false};
}

// The owner-drawn check box and radio button, reached through the controls'
// own kind test (the 32-bit build has neither, and there they never match).
template <CheckControlKind K>
bool IsCheckControl(ui::TComponent& component)
{
    return KindOfCheckControl(&component) == K;
}

std::u16string CollectCheckControl(ui::TComponent& component)
{
    return CheckControlChecked(&component) ? u"1" : u"0";
}

void ApplyCheckControl(ui::TComponent& component, std::u16string_view value)
{
    SetCheckControlChecked(&component, ValueAsInteger(value) != 0);
}

template <CheckControlKind K>
constexpr ControlKind OwnerDrawnKind(const char* name)
{
    return {name, &IsCheckControl<K>, &CollectCheckControl, &ApplyCheckControl, false};
}

// Any class with ItemIndex() and SetItemIndex(int32_t).
template <class T>
constexpr ControlKind IndexKind(const char* name)
{
    return {name, &Is<T>, &CollectIndex<T>, &ApplyIndex<T>, false};
}

constexpr ControlKind kKinds[] = {
    {"text edit", &Is<ui::TCustomEdit>, &CollectText, &ApplyText, true},
    CheckedKind<ui::TCheckBox>("check box"),
    OwnerDrawnKind<CheckControlKind::CheckBox>("TMyChkBox"),
    CheckedKind<ui::TRadioButton>("radio button"),
    OwnerDrawnKind<CheckControlKind::RadioButton>("TMyRadButton"),
    IndexKind<ui::TCustomListBox>("list box"),
    IndexKind<ui::TCustomComboBox>("combo box"),
    IndexKind<ui::TRadioGroup>("radio group"),
};

} // namespace

std::span<const ControlKind> ControlKinds()
{
    return kKinds;
}

const ControlKind* KindOf(ui::TComponent& component)
{
    for (const ControlKind& kind : kKinds)
        if (kind.matches(component))
            return &kind;
    return nullptr;
}

int32_t ValueAsInteger(std::u16string_view value)
{
    std::size_t i = 0;
    bool negative = false;
    if (i < value.size() && (value[i] == u'+' || value[i] == u'-'))
        negative = value[i++] == u'-';
    if (i == value.size())
        return 0;
    int64_t n = 0;
    for (; i < value.size(); ++i) {
        if (value[i] < u'0' || value[i] > u'9')
            return 0;
        n = n * 10 + (value[i] - u'0');
        if (n > int64_t{INT32_MAX} + 1)
            return 0; // too long; also keeps n from overflowing
    }
    if (negative)
        n = -n;
    if (n < INT32_MIN || n > INT32_MAX)
        return 0;
    return static_cast<int32_t>(n);
}

} // namespace kv
