#include "ui/Strings.h"

namespace kv::ui {

void TStrings::Add(const std::u16string& line)
{
    lines_.push_back(line);
    if (OnAdd)
        OnAdd(lines_.back());
    else
        Changed();
}

void TStrings::Clear()
{
    lines_.clear();
    Changed();
}

void TStrings::Assign(std::vector<std::u16string> lines)
{
    lines_ = std::move(lines);
    Changed();
}

int32_t TStrings::IndexOf(const std::u16string& line) const
{
    for (size_t i = 0; i < lines_.size(); ++i)
        if (lines_[i] == line)
            return static_cast<int32_t>(i);
    return -1;
}

std::u16string TStrings::Text() const
{
    std::u16string text;
    for (size_t i = 0; i < lines_.size(); ++i) {
        if (i)
            text += u"\r\n";
        text += lines_[i];
    }
    return text;
}

void TStrings::Changed()
{
    if (OnChange)
        OnChange();
}

} // namespace kv::ui
