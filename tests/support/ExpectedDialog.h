// What the tests expect of the dialog, written once: its caption, and each
// control's component name, window identifier, kind, place, text, tab order,
// tag and visibility. The headless layout test and the Wine window test both
// check against this table; the fake plug-ins and the host tests take their
// names and identifiers from it.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace kv::test::expected {

inline constexpr char16_t kCaption[] = u"Kelvoran v2.0";

enum class Kind { Label, Edit, Button, Gauge, Memo, CheckBox };

struct Control {
    const char16_t* name;
    int32_t id;
    Kind kind;
    int32_t left, top, width, height;
    const char16_t* text; // null: not a fixed text (the log)
    int32_t tabOrder;     // -1: not in the tab order
    intptr_t tag;
    bool visible;
};

inline constexpr Control kLayout[] = {
    {u"Label1", 100, Kind::Label, 8, 6, 137, 13, u"Starnet++ installation folder", -1, 0, true},
    {u"EdStarnet", 101, Kind::Edit, 8, 21, 281, 21, u"", 1, 12345, true},
    {u"ButDir", 102, Kind::Button, 294, 19, 43, 24, u"...", 2, 0, true},
    {u"GauLog", 103, Kind::Gauge, 8, 50, 329, 22, u"", -1, 0, true},
    {u"MemoLog", 104, Kind::Memo, 8, 80, 329, 217, nullptr, 3, 0, true},
    {u"CBTestImage", 105, Kind::CheckBox, 171, 2, 117, 17, u"_Test imagemode_", 4, 0, false},
    {u"ButHelp", 106, Kind::Button, 8, 303, 79, 29, u"Help", 5, 0, true},
    {u"CBScale8bit", 107, Kind::CheckBox, 164, 310, 88, 17, u"Image is 8 bit", 6, 12345, true},
    {u"ButStart", 108, Kind::Button, 256, 303, 82, 29, u"Start", 0, 0, true},
};

inline constexpr const char16_t* kOpeningLines[] = {
    u"Kelvoran version 2.0.",
    u"It's required a CPU with AVX instructions and Windows 64 bit.",
    u"Before starting, select the folder where Starnet is installed.",
};

// The row of that component name. A name not in the table throws, which in a
// constant initialiser below fails the build.
constexpr const Control& ByName(std::u16string_view name)
{
    for (const Control& c : kLayout)
        if (name == c.name)
            return c;
    throw std::out_of_range("no such control in the expected dialog");
}

inline constexpr const Control& EdStarnet = ByName(u"EdStarnet");
inline constexpr const Control& MemoLog = ByName(u"MemoLog");
inline constexpr const Control& CBScale8bit = ByName(u"CBScale8bit");
inline constexpr const Control& ButStart = ByName(u"ButStart");
inline constexpr const Control& ButDir = ByName(u"ButDir");
inline constexpr const Control& ButHelp = ByName(u"ButHelp");

// Text for the tests' own messages and for Win32 calls (wchar_t is UTF-16 there).
inline std::string Ascii(const char16_t* text)
{
    return std::string(text, text + std::char_traits<char16_t>::length(text));
}

} // namespace kv::test::expected
