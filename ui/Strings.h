// TStrings: a list of lines that tells its control when it changes.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace kv::ui {

class TStrings {
public:
    int32_t Count() const { return static_cast<int32_t>(lines_.size()); }
    const std::u16string& operator[](int32_t index) const { return lines_.at(static_cast<size_t>(index)); }
    const std::vector<std::u16string>& Lines() const { return lines_; }
    void Add(const std::u16string& line);
    void Clear();
    void Assign(std::vector<std::u16string> lines);
    int32_t IndexOf(const std::u16string& line) const;
    // The lines joined with CR LF, without a line break after the last one.
    std::u16string Text() const;

    std::function<void()> OnChange;
    // When set, Add tells this (with the new line) instead of OnChange, so a
    // control can append the line rather than take the whole text again.
    std::function<void(const std::u16string& line)> OnAdd;

private:
    void Changed();
    std::vector<std::u16string> lines_;
};

} // namespace kv::ui
