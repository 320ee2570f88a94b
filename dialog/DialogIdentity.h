// The dialog's identity, for everything that must find it or its controls:
// the caption, and each control's component name, window identifier and
// text. The dialog is built from these; a host or a test that drives it
// takes them from here instead of typing them again.
#pragma once

#include <cstdint>

namespace kv::dialog_identity {

inline constexpr char16_t kCaption[] = u"Kelvoran v2.0";
inline constexpr char16_t kFormName[] = u"Form1";

struct ControlIdentity {
    const char16_t* name; // component name
    int32_t id;           // child window identifier
    const char16_t* text; // caption at creation; empty for the edits and the gauge
};

// Identifiers from 100 up: 1 and 2 are the dialog manager's OK and Cancel.
inline constexpr ControlIdentity Label1{u"Label1", 100, u"Starnet++ installation folder"};
inline constexpr ControlIdentity EdStarnet{u"EdStarnet", 101, u""};
inline constexpr ControlIdentity ButDir{u"ButDir", 102, u"..."};
inline constexpr ControlIdentity GauLog{u"GauLog", 103, u""};
inline constexpr ControlIdentity MemoLog{u"MemoLog", 104, u""};
inline constexpr ControlIdentity CBTestImage{u"CBTestImage", 105, u"_Test imagemode_"};
inline constexpr ControlIdentity ButHelp{u"ButHelp", 106, u"Help"};
inline constexpr ControlIdentity CBScale8bit{u"CBScale8bit", 107, u"Image is 8 bit"};
inline constexpr ControlIdentity ButStart{u"ButStart", 108, u"Start"};

} // namespace kv::dialog_identity
