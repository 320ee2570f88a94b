// The encoded keys: the shift table by position, the allowed characters, the
// form and control names taken apart again.
#include <gtest/gtest.h>

#include <string>

#include "settings/LibAutosave.h"
#include "settings/SettingsKey.h"

namespace kv {
namespace {

struct EncodeCase {
    std::u16string form, control;
    std::u16string encoded;
};

// Expected texts worked out by hand from the shifts 15, 2, 10, 4, 12, 7, 17, 6, 15, ...
TEST(SettingsKey, EncodesEveryPositionWithItsShift)
{
    const EncodeCase cases[] = {
        {u"A", u"B", u"PAL"},
        {u"abc", u"defgh", u"PDMCPLWMW"}, // position 8 takes entry 0, position 9 entry 1
        {u"Form1", u"EdStarnet", u"UQ\\Q=FVJbVKVZLe"},
        {u"Form1", u"CBScale8bit", u"UQ\\Q=FTHbEKPQ?SOc"},
        {u"", u"", u"N"}, // just the "?"
        {u"9_", u"Z", u"HaI^"},
    };
    const TAutosaver saver;
    for (const auto& c : cases) {
        EXPECT_EQ(saver.EncodeKey(c.form, c.control), c.encoded) << std::string(c.form.begin(), c.form.end());
        std::u16string form, control;
        const bool ok = saver.DecodeKey(c.encoded, form, control);
        EXPECT_EQ(ok, !c.form.empty() && !c.control.empty());
        if (ok) {
            EXPECT_EQ(form, UpperCaseAscii(c.form));
            EXPECT_EQ(control, UpperCaseAscii(c.control));
        }
    }
}

TEST(SettingsKey, EncodingFailsWithEncodeIdenOutsideTheAllowedCharacters)
{
    const TAutosaver saver;
    for (const std::u16string bad : {u"Ed Starnet", u"Ed-1", u"J\u00F6rg", u"a%b", u"\u212A" /* Kelvin sign */, u"x\ry"}) {
        try {
            saver.EncodeKey(u"Form1", bad);
            ADD_FAILURE() << "no error";
        } catch (const std::exception& e) {
            EXPECT_STREQ(e.what(), "EncodeIden");
        }
    }
}

struct DecodeCase {
    const char* what;
    std::u16string encoded;
    bool ok;
    std::u16string form, control;
};

TEST(SettingsKey, DecodingRefusesWhatIsNotAKey)
{
    const DecodeCase cases[] = {
        {"form and control", u"PAL", true, u"A", u"B"},
        {"further ? stay in the control", u"PALC", true, u"A", u"B?"}, // A?B?
        {"empty", u"", false, u"", u""},
        {"no ?", u"PDM", false, u"", u""},            // ABC
        {"? first", u"NDM", false, u"", u""},         // ?BC
        {"? last", u"PDI", false, u"", u""},          // AB?
        {"lower case does not decode", u"pal", false, u"", u""},
        {"below the shift wraps to a high code", u"\u0001AL", false, u"", u""},
        {"a high code minus the shift", u"\uFFFFAL", false, u"", u""},
        {"a lone surrogate", u"P\xD800L", false, u"", u""},
    };
    const TAutosaver saver;
    for (const auto& c : cases) {
        std::u16string form = u"stale", control = u"stale";
        EXPECT_EQ(saver.DecodeKey(c.encoded, form, control), c.ok) << c.what;
        EXPECT_EQ(form, c.form) << c.what;
        EXPECT_EQ(control, c.control) << c.what;
    }
}

} // namespace
} // namespace kv
