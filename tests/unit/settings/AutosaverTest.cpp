// TAutosaver on forms of the framework's controls: the kinds and how their
// values are stored and restored, which lines are applied, and the settings
// file as it lands on disk.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "settings/LibAutosave.h"
#include "support/Files.h"
#include "support/TempFolder.h"
#include "ui/Application.h"
#include "ui/Button.h"
#include "ui/Edit.h"
#include "ui/Form.h"
#include "ui/ListBox.h"
#include "ui/RadioGroup.h"

namespace kv {
namespace {

using Lines = std::vector<std::u16string>;
using namespace std::string_literals;

// A form that owns its controls, destroyed with the test.
class TestForm {
public:
    explicit TestForm(const std::u16string& name) : form_(new ui::TForm(&ui::Application())) { form_->SetName(name); }
    ~TestForm() { delete form_; }
    TestForm(const TestForm&) = delete;
    TestForm& operator=(const TestForm&) = delete;
    ui::TForm& operator*() const { return *form_; }
    ui::TForm* operator->() const { return form_; }

    template <class T>
    T* Add(const std::u16string& name, intptr_t tag = AUTOSAVE_TAG)
    {
        auto* control = new T(form_);
        control->SetName(name);
        control->SetParent(form_);
        control->SetTag(tag);
        return control;
    }

private:
    ui::TForm* form_;
};

template <class T>
void AddItems(T* control)
{
    for (const char16_t* item : {u"a", u"b", u"c"})
        control->Items().Add(item);
}

// The value of a control of any kind, written as the autosaver writes it.
std::u16string StateOf(ui::TControl* control)
{
    if (auto* edit = dynamic_cast<ui::TCustomEdit*>(control))
        return edit->Text();
    if (auto* box = dynamic_cast<ui::TButtonControl*>(control))
        return box->Checked() ? u"1" : u"0";
    if (auto* list = dynamic_cast<ui::TItemsControl*>(control)) {
        const std::string n = std::to_string(list->ItemIndex());
        return std::u16string(n.begin(), n.end());
    }
    if (auto* group = dynamic_cast<ui::TRadioGroup*>(control)) {
        const std::string n = std::to_string(group->ItemIndex());
        return std::u16string(n.begin(), n.end());
    }
    return control->Text();
}

struct Kind {
    const char* name;
    std::function<ui::TControl*(TestForm&)> make; // named "C", marked, in a starting state
    std::u16string start;                         // its starting state
};

const Kind kKinds[] = {
    {"edit", [](TestForm& f) { auto* c = f.Add<ui::TEdit>(u"C"); c->SetText(u"old"); return c; }, u"old"},
    {"memo", [](TestForm& f) { auto* c = f.Add<ui::TMemo>(u"C"); c->Lines().Add(u"old"); return c; }, u"old"},
    {"check box", [](TestForm& f) { auto* c = f.Add<ui::TCheckBox>(u"C"); c->SetChecked(true); return c; }, u"1"},
    {"radio button", [](TestForm& f) { auto* c = f.Add<ui::TRadioButton>(u"C"); c->SetChecked(true); return c; }, u"1"},
    {"list box", [](TestForm& f) { auto* c = f.Add<ui::TListBox>(u"C"); AddItems(c); c->SetItemIndex(2); return c; }, u"2"},
    {"combo box", [](TestForm& f) { auto* c = f.Add<ui::TComboBox>(u"C"); AddItems(c); c->SetItemIndex(2); return c; }, u"2"},
    {"radio group", [](TestForm& f) { auto* c = f.Add<ui::TRadioGroup>(u"C"); AddItems(c); c->SetItemIndex(2); return c; }, u"2"},
    {"push button (no kind)", [](TestForm& f) { auto* c = f.Add<ui::TButton>(u"C"); c->SetText(u"old"); return c; }, u"old"},
};

const Kind& KindNamed(const std::string& name)
{
    for (const Kind& k : kKinds)
        if (name == k.name)
            return k;
    throw std::logic_error("no kind " + name);
}

struct ApplyCase {
    const char* kind;
    std::u16string value;
    std::u16string after;
};

// ApplyValue by kind: the same value has the effect each kind's table row gives.
TEST(Autosaver, AppliesAValueAsItsKindSays)
{
    const ApplyCase cases[] = {
        {"edit", u"C:\\Star%net\\", u"C:\\Star%net\\"},
        {"edit", u"", u""}, // an empty value empties a text
        {"memo", u"new", u"new"},
        {"check box", u"0", u"0"},
        {"check box", u"abc", u"0"}, // not a number: 0
        {"check box", u"", u"1"},    // empty: unchanged
        {"check box", u"-7", u"1"},
        {"check box", u"99999999999", u"0"}, // does not fit: 0
        {"radio button", u"0", u"0"},
        {"radio button", u"", u"1"},
        {"list box", u"1", u"1"},
        {"list box", u"abc", u"0"},
        {"list box", u"-1", u"-1"},
        {"list box", u"", u"2"},
        {"list box", u"+1", u"1"},
        {"list box", u" 1", u"0"},
        {"list box", u"7", u"-1"}, // no such item
        {"combo box", u"0", u"0"},
        {"combo box", u"", u"2"},
        {"radio group", u"1", u"1"},
        {"radio group", u"", u"2"},
        {"push button (no kind)", u"new", u"old"},
    };
    for (const ApplyCase& c : cases) {
        const Kind& kind = KindNamed(c.kind);
        TestForm form(u"F");
        ui::TControl* control = kind.make(form);
        ASSERT_EQ(StateOf(control), kind.start) << c.kind;
        TAutosaver saver;
        saver.ApplyValue(*form, u"C", c.value);
        EXPECT_EQ(StateOf(control), c.after) << c.kind << " given '" << std::string(c.value.begin(), c.value.end()) << "'";
    }
}

// CollectFromForm by kind: the stored text, or no entry for a control of no kind.
TEST(Autosaver, CollectsEachKindsValue)
{
    for (const Kind& kind : kKinds) {
        TestForm form(u"F");
        kind.make(form);
        TAutosaver saver;
        saver.CollectFromForm(*form);
        const Lines expected = std::string(kind.name) == "push button (no kind)" ? Lines{} : Lines{u"UAM%" + kind.start}; // F?C
        EXPECT_EQ(saver.Lines, expected) << kind.name;
    }
}

struct LineCase {
    const char* what;
    Lines lines;
    std::u16string edit; // "E" afterwards (it starts as "start")
    bool box;            // "B" afterwards (it starts checked)
};

// ApplyToForm on a form "F" with an edit "E" (key F?E, encoded UAO) and a
// check box "B" (F?B, encoded UAL).
TEST(Autosaver, AppliesOnlyTheEntriesOfTheForm)
{
    const LineCase cases[] = {
        {"an entry", {u"UAO%xy"}, u"xy", true},
        {"five characters are too short", {u"UAO%x"}, u"start", true},
        {"six are enough", {u"UAO%xy", u"UAL%0", u"UAL%00"}, u"xy", false},
        {"the first % separates", {u"UAO%a%b%"}, u"a%b%", true},
        {"blanks are a text", {u"UAO%  "}, u"  ", true},
        {"blanks are no number: 0", {u"UAL%  "}, u"start", false},
        {"% first", {u"%UAO%xy"}, u"start", true},
        {"no %", {u"UAOxyz"}, u"start", true},
        {"two lines: the later last", {u"UAO%first", u"UAO%second"}, u"second", true},
        {"another form", {u"PAO%xyzw" /* A?E */}, u"start", true},
        {"a key that does not decode", {u"uao%xyzw", u"UA%xyzw", u"U%xyzw"}, u"start", true},
        {"no such control", {u"UAb%xyzw" /* F?X */, u"UAK%xyzw" /* F?A */}, u"start", true},
        {"a control name with ?", {u"UAOC%xyzw" /* F?E? */}, u"start", true},
        {"blank and odd lines pass", {u"", u"[Section]", u"UAO%ok", u"\xD800\xD800\xD800\xD800%"}, u"ok", true},
    };
    for (const LineCase& c : cases) {
        TestForm form(u"f"); // compared upper-cased
        auto* edit = form.Add<ui::TEdit>(u"e");
        edit->SetText(u"start");
        auto* box = form.Add<ui::TCheckBox>(u"B");
        box->SetChecked(true);
        form.Add<ui::TEdit>(u"Unmarked", 0)->SetText(u"-");
        TAutosaver saver;
        saver.Lines = c.lines;
        saver.ApplyToForm(*form);
        EXPECT_EQ(edit->Text(), c.edit) << c.what;
        EXPECT_EQ(box->Checked(), c.box) << c.what;
        EXPECT_EQ(saver.Lines, c.lines) << c.what << ": applying changes nothing";
    }
}

TEST(Autosaver, AnUnmarkedControlIsNeitherStoredNorRestored)
{
    TestForm form(u"F");
    auto* edit = form.Add<ui::TEdit>(u"E", 12344);
    edit->SetText(u"mine");
    TAutosaver saver;
    saver.Lines = {u"UAO%theirs"};
    saver.ApplyToForm(*form);
    saver.CollectFromForm(*form);
    EXPECT_EQ(edit->Text(), u"mine");
    EXPECT_EQ(saver.Lines, Lines{u"UAO%theirs"});
}

struct CollectCase {
    const char* what;
    Lines before;
    Lines after;
};

// CollectFromForm / SetEntry on Lines: a form "F" with edit "ED" = "new".
TEST(Autosaver, CollectingReplacesTheLastEntryOfTheKeyOrAppends)
{
    const CollectCase cases[] = {
        {"appended at the end", {u"other", u"UAOHd%x"}, {u"other", u"UAOHd%x", u"UAOH%new"}},
        {"ED leaves EDX", {u"UAOHd%x", u"UAOH%old"}, {u"UAOHd%x", u"UAOH%new"}},
        {"the later of two is replaced", {u"UAOH%one", u"mid", u"UAOH%two"}, {u"UAOH%one", u"mid", u"UAOH%new"}},
        {"a line of the key without % is no entry", {u"UAOH"}, {u"UAOH", u"UAOH%new"}},
    };
    for (const CollectCase& c : cases) {
        TestForm form(u"F");
        form.Add<ui::TEdit>(u"Ed")->SetText(u"new");
        TAutosaver saver;
        saver.Lines = c.before;
        saver.CollectFromForm(*form);
        EXPECT_EQ(saver.Lines, c.after) << c.what;
    }
}

TEST(Autosaver, ATextOfExactlyNoDataIsNotStored)
{
    TestForm form(u"F");
    form.Add<ui::TEdit>(u"E")->SetText(u"--NoData--");
    TAutosaver saver;
    saver.Lines = {u"UAO%kept"};
    saver.CollectFromForm(*form);
    EXPECT_EQ(saver.Lines, Lines{u"UAO%kept"});
}

TEST(Autosaver, ANameOutsideTheKeyCharactersStopsCollectingWithEncodeIden)
{
    TestForm form(u"F");
    form.Add<ui::TEdit>(u"E")->SetText(u"first");
    form.Add<ui::TEdit>(u"bad name")->SetText(u"x");
    form.Add<ui::TEdit>(u"B")->SetText(u"never");
    TAutosaver saver;
    try {
        saver.CollectFromForm(*form);
        ADD_FAILURE() << "no error";
    } catch (const std::exception& e) {
        EXPECT_STREQ(e.what(), "EncodeIden");
    }
    EXPECT_EQ(saver.Lines, Lines{u"UAO%first"});
}

TEST(Autosaver, AnEmptyFormOrControlNameIsWrittenButNeverApplied)
{
    for (const auto& [formName, controlName] : {std::pair{u""s, u"E"s}, std::pair{u"F"s, u""s}}) {
        TestForm form(formName);
        auto* edit = form.Add<ui::TEdit>(controlName);
        edit->SetText(u"value");
        TAutosaver saver;
        saver.CollectFromForm(*form);
        ASSERT_EQ(saver.Lines.size(), 1u);
        edit->SetText(u"changed");
        saver.ApplyToForm(*form);
        EXPECT_EQ(edit->Text(), u"changed");
    }
}

// The settings file on disk.
class SettingsFile : public ::testing::Test {
protected:
    std::vector<uint8_t> Bytes(const std::string& text) { return {text.begin(), text.end()}; }
    std::vector<uint8_t> Saved(const TAutosaver& saver)
    {
        EXPECT_TRUE(saver.SaveToFile(path_));
        return test::ReadBytes(folder_ / "Kelvoran2.ini");
    }

    test::TempFolder folder_;
    std::u16string path_ = folder_.File("Kelvoran2.ini");
};

TEST_F(SettingsFile, AFirstSaveWritesTheUtf8MarkAndTheDialogsTwoEntries)
{
    TestForm form(u"Form1");
    form.Add<ui::TEdit>(u"EdStarnet")->SetText(u"C:\\Star net\\");
    form.Add<ui::TButton>(u"ButDir")->SetText(u"...");
    form.Add<ui::TCheckBox>(u"CBScale8bit")->SetChecked(true);
    TAutosaver saver;
    saver.CollectFromForm(*form);
    EXPECT_EQ(Saved(saver), Bytes("\xEF\xBB\xBF" "UQ\\Q=FVJbVKVZLe%C:\\Star net\\\r\n"
                                  "UQ\\Q=FTHbEKPQ?SOc%1\r\n"));
}

struct RoundTrip {
    const char* what;
    std::string file;
    Lines lines;
    std::string savedBack;
};

// Read, then written back unchanged: in the encoding found, with its mark.
TEST_F(SettingsFile, IsWrittenBackInTheEncodingItWasReadIn)
{
    const RoundTrip cases[] = {
        {"UTF-8 with mark", "\xEF\xBB\xBF" "a\r\nb", {u"a", u"b"}, "\xEF\xBB\xBF" "a\r\nb\r\n"},
        {"no mark gets one", "a\nJ\xC3\xB6rg\r", {u"a", u"J\u00F6rg"}, "\xEF\xBB\xBF" "a\r\nJ\xC3\xB6rg\r\n"},
        {"UTF-16 LE", "\xFF\xFE" "a\0\n\0"s, {u"a"}, "\xFF\xFE" "a\0\r\0\n\0"s},
        {"UTF-16 BE", "\xFE\xFF" "\0a\0\r"s, {u"a"}, "\xFE\xFF" "\0a\0\r\0\n"s},
        {"empty", "", {}, "\xEF\xBB\xBF"},
    };
    for (const RoundTrip& c : cases) {
        test::WriteBytes(folder_ / "Kelvoran2.ini", Bytes(c.file));
        TAutosaver saver;
        saver.Lines = {u"stale"};
        ASSERT_TRUE(saver.LoadFromFile(path_)) << c.what;
        EXPECT_EQ(saver.Lines, c.lines) << c.what;
        EXPECT_EQ(Saved(saver), Bytes(c.savedBack)) << c.what;
    }
}

TEST_F(SettingsFile, TheEncodingFoundLastStaysUntilTheNextSuccessfulRead)
{
    TAutosaver saver;
    test::WriteBytes(folder_ / "Kelvoran2.ini", Bytes("\xFE\xFF" "\0a"s));
    ASSERT_TRUE(saver.LoadFromFile(path_));
    EXPECT_FALSE(saver.LoadFromFile(folder_.File("missing.ini")));
    EXPECT_EQ(Saved(saver), Bytes("\xFE\xFF" "\0a\0\r\0\n"s));
}

TEST_F(SettingsFile, WhatCannotBeReadLeavesTheLinesAsTheyWere)
{
    std::filesystem::create_directory(folder_ / "a folder");
    test::WriteBytes(folder_ / "too big", std::vector<uint8_t>(kMaxSettingsFileBytes + 1, 'x'));
    for (const std::u16string& path : {folder_.File("missing"), folder_.File("a folder"), folder_.File("too big"),
                                       std::u16string()}) {
        TAutosaver saver;
        saver.Lines = {u"kept"};
        EXPECT_FALSE(saver.LoadFromFile(path));
        EXPECT_EQ(saver.Lines, Lines{u"kept"});
    }
}

TEST_F(SettingsFile, AFileThatCannotBeWrittenReportsFalse)
{
    TAutosaver saver;
    saver.Lines = {u"x"};
    EXPECT_FALSE(saver.SaveToFile(folder_.File("no such folder/Kelvoran2.ini")));
    if (const auto full = test::FullDevicePath()) {
        EXPECT_FALSE(saver.SaveToFile(*full));
    }
}

TEST_F(SettingsFile, ASaveReplacesTheOldFileAndLeavesNothingBesideIt)
{
    test::WriteBytes(folder_ / "Kelvoran2.ini", Bytes("UAO%old, and longer than the new\r\n"));
    TAutosaver saver;
    saver.Lines = {u"UAO%new"};
    EXPECT_EQ(Saved(saver), Bytes("\xEF\xBB\xBF" "UAO%new\r\n"));
    std::vector<std::filesystem::path> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder_.Path()))
        names.push_back(entry.path().filename());
    EXPECT_EQ(names, std::vector<std::filesystem::path>{"Kelvoran2.ini"});
}

// The new settings cannot be written (here: a folder stands where they would
// go first): the old file stays as it was, not emptied or half written.
TEST_F(SettingsFile, ASaveThatCannotWriteTheNewFileLeavesTheOldOneWhole)
{
    const std::vector<uint8_t> old = Bytes("\xEF\xBB\xBF" "UAO%old\r\n");
    test::WriteBytes(folder_ / "Kelvoran2.ini", old);
    std::filesystem::create_directory(std::filesystem::path(path_ + kFreshSuffix));
    TAutosaver saver;
    saver.Lines = {u"UAO%new"};
    EXPECT_FALSE(saver.SaveToFile(path_));
    EXPECT_EQ(test::ReadBytes(folder_ / "Kelvoran2.ini"), old);
}

TEST_F(SettingsFile, TwoLinesForOneControlAreBothAppliedAndOnlyTheLaterIsReplaced)
{
    test::WriteBytes(folder_ / "Kelvoran2.ini", Bytes("\xEF\xBB\xBF" "UAO%first\r\nUAO%second\r\n"));
    TestForm form(u"F");
    auto* edit = form.Add<ui::TEdit>(u"E");
    edit->SetText(u"start");
    TAutosaver saver;
    ASSERT_TRUE(saver.LoadFromFile(path_));
    saver.ApplyToForm(*form);
    EXPECT_EQ(edit->Text(), u"second");
    edit->SetText(u"third");
    saver.CollectFromForm(*form);
    EXPECT_EQ(Saved(saver), Bytes("\xEF\xBB\xBF" "UAO%first\r\nUAO%third\r\n"));
}

// Damaged or hostile files of the size a settings file should never have.
TEST_F(SettingsFile, LargeFilesLoadAndApplyWithoutHarm)
{
    const std::size_t tenMegabytes = 10u << 20;
    std::string oneLine = "\xEF\xBB\xBF" "UAO%";
    oneLine.append(tenMegabytes, 'x');
    std::string manyLines;
    while (manyLines.size() < tenMegabytes)
        manyLines += "UAO%ab\r";
    std::string noise(tenMegabytes, '\0');
    uint32_t seed = 7;
    for (char& c : noise) {
        seed = seed * 1664525u + 1013904223u;
        c = static_cast<char>(seed >> 24);
    }
    struct Case {
        const char* what;
        const std::string* bytes;
        std::size_t lines;
        std::size_t editLength;
    } cases[] = {
        {"one line of 10 MB", &oneLine, 1, tenMegabytes},
        {"a million short lines", &manyLines, manyLines.size() / 7, 2},
        {"10 MB of noise", &noise, 0 /* not looked at */, 5},
    };
    for (const Case& c : cases) {
        test::WriteBytes(folder_ / "Kelvoran2.ini", Bytes(*c.bytes));
        // A container without windows: what is measured is the autosaver, not
        // how the system's edit box takes 10 MB.
        ui::TComponent form(nullptr);
        form.SetName(u"F");
        auto* edit = new ui::TEdit(&form);
        edit->SetName(u"E");
        edit->SetTag(AUTOSAVE_TAG);
        edit->SetText(u"start");
        TAutosaver saver;
        ASSERT_TRUE(saver.LoadFromFile(path_)) << c.what;
        if (c.lines) {
            EXPECT_EQ(saver.Lines.size(), c.lines) << c.what;
        }
        saver.ApplyToForm(form);
        EXPECT_EQ(edit->Text().size(), c.editLength) << c.what;
        EXPECT_TRUE(saver.SaveToFile(path_)) << c.what;
    }
}

} // namespace
} // namespace kv
