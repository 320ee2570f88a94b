// TAutosaver: remembers the values of a form's marked controls (Tag ==
// AUTOSAVE_TAG) from one run of the host to the next, in a small text file of
// lines "encoded key%value".
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "settings/SettingsText.h"
#include "ui/Component.h"

namespace kv {

// The Tag that marks a control whose value is remembered between sessions.
constexpr intptr_t AUTOSAVE_TAG = 12345;

// A settings file larger than this is taken as damaged and not read.
constexpr std::size_t kMaxSettingsFileBytes = 16u << 20;
// Added to the settings file's name for the new file written beside it
// before it takes the old one's place.
inline constexpr char16_t kFreshSuffix[] = u".new";

class TAutosaver : public ui::TObject {
public:
    constexpr TAutosaver() = default;
    ~TAutosaver() override = default;

    // The settings file in memory, in file order; duplicates allowed.
    std::vector<std::u16string> Lines;

    // True when the file existed and was read into Lines (which it replaces);
    // Lines is unchanged otherwise. Remembers the encoding found.
    bool LoadFromFile(const std::u16string& path);
    // Writes Lines (replacing the file) in the encoding of the last successful
    // read, else UTF-8; true when written. An existing file is replaced only
    // once the new one is written whole.
    bool SaveToFile(const std::u16string& path) const;

    // Puts every stored value of this form into its control; a line that is
    // not an entry of the form is passed over, an error in one line is swallowed.
    void ApplyToForm(ui::TComponent& form);
    // One entry of ApplyToForm; controlName is upper-case.
    void ApplyValue(ui::TComponent& form, const std::u16string& controlName, const std::u16string& value);
    // Stores the value of every marked control of the form in Lines. Throws
    // EEncodeIden (settings/SettingsKey.h) at a name that cannot be a key.
    void CollectFromForm(ui::TComponent& form);
    // Replaces the last line holding key, or appends one; an empty key does nothing.
    void SetEntry(const std::u16string& key, const std::u16string& value);

    std::u16string EncodeKey(const std::u16string& formName, const std::u16string& controlName) const;
    bool DecodeKey(const std::u16string& encodedKey, std::u16string& formName, std::u16string& controlName) const;

private:
    TextEncoding readDefault_ = TextEncoding::Utf8;
    std::optional<TextEncoding> lastRead_;
};

// The process-wide autosaver: made with the library, destroyed with it.
extern TAutosaver* const Autosaver;

// The name of the settings file in the temporary folder.
inline constexpr char16_t kSettingsFileName[] = u"Kelvoran2.ini";

} // namespace kv
