// The encoded keys of the settings file: "FORM?CONTROL", upper-cased, every
// character shifted by a position-dependent amount.
#pragma once

#include <array>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace kv {

// The shift of the character at 1-based position i is KEY_SHIFT[i % 8].
inline constexpr std::array<char16_t, 8> KEY_SHIFT = {6, 15, 2, 10, 4, 12, 7, 17};

// Raised by EncodeKey for a name with a character outside "0"-"9", "?", "A"-"Z", "_".
class EEncodeIden : public std::runtime_error {
public:
    EEncodeIden() : std::runtime_error("EncodeIden") {}
};

// Only a to z change.
std::u16string UpperCaseAscii(std::u16string_view text);

// The encoded key of formName "?" controlName; throws EEncodeIden.
std::u16string EncodeSettingsKey(std::u16string_view formName, std::u16string_view controlName);

struct DecodedKey {
    std::u16string formName;
    std::u16string controlName; // may hold further "?"
};

// Nothing when a character does not decode to an allowed one, or the decoded
// text has no "?" with at least one character on each side.
std::optional<DecodedKey> DecodeSettingsKey(std::u16string_view encodedKey);

} // namespace kv
