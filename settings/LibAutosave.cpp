#include "settings/LibAutosave.h"

#include "os/File.h"
#include "os/FileReader.h"
#include "os/FileSystem.h"
#include "settings/ControlKinds.h"
#include "settings/SettingsKey.h"

namespace kv {
namespace {

constexpr char16_t kNoData[] = u"--NoData--";
constexpr std::size_t kShortestEntry = 6; // shorter lines are never applied

} // namespace

bool TAutosaver::LoadFromFile(const std::u16string& path)
{
    try {
        const auto bytes = os::ReadSmallFile(path, kMaxSettingsFileBytes);
        if (!bytes)
            return false;
        DecodedText text = DecodeSettingsText(*bytes, readDefault_);
        Lines = std::move(text.lines);
        lastRead_ = text.encoding;
        return true;
    } catch (...) {
        return false;
    }
}

bool TAutosaver::SaveToFile(const std::u16string& path) const
{
    try {
        const std::string bytes = EncodeSettingsText(Lines, lastRead_.value_or(TextEncoding::Utf8));
        // The file is closed when write returns, before it is moved.
        const auto write = [&](const std::u16string& to) {
            os::FileWriter file;
            return file.Create(to) && file.Write(bytes.data(), bytes.size());
        };
        // Where a settings file exists, the new one is written beside it and
        // then put in its place: a write that fails part-way (a full disk)
        // leaves the old settings whole. Anything else at the path (nothing,
        // a device) is written to directly.
        if (!os::FileExists(path))
            return write(path);
        const std::u16string fresh = path + kFreshSuffix;
        if (write(fresh) && os::MoveFileOver(fresh, path))
            return true;
        os::DeleteFileAt(fresh);
        return false;
    } catch (...) {
        return false;
    }
}

void TAutosaver::ApplyToForm(ui::TComponent& form)
{
    const std::u16string formKey = UpperCaseAscii(form.Name());
    // By index, and the value copied before it is applied: the loop stays valid
    // whatever a control's setter does.
    for (std::size_t i = 0; i < Lines.size(); ++i) {
        try {
            const std::u16string& line = Lines[i];
            if (line.size() < kShortestEntry)
                continue;
            const auto percent = line.find(u'%');
            if (percent == std::u16string::npos || percent == 0)
                continue;
            const auto key = DecodeSettingsKey(std::u16string_view(line).substr(0, percent));
            if (!key || key->formName != formKey)
                continue;
            const std::u16string value = line.substr(percent + 1);
            ApplyValue(form, key->controlName, value);
        } catch (...) {
            // One bad value does not keep the others from being applied.
        }
    }
}

void TAutosaver::ApplyValue(ui::TComponent& form, const std::u16string& controlName, const std::u16string& value)
{
    for (int32_t i = 0; i < form.ComponentCount(); ++i) {
        ui::TComponent& component = *form.Components(i);
        if (component.Tag() != AUTOSAVE_TAG || UpperCaseAscii(component.Name()) != controlName)
            continue;
        const ControlKind* kind = KindOf(component);
        if (kind && kind->appliesEmpty) {
            kind->apply(component, value);
            return;
        }
        if (value.empty())
            return;
        if (kind) {
            kind->apply(component, value);
            return;
        }
    }
}

void TAutosaver::CollectFromForm(ui::TComponent& form)
{
    const std::u16string formKey = UpperCaseAscii(form.Name());
    for (int32_t i = 0; i < form.ComponentCount(); ++i) {
        ui::TComponent& component = *form.Components(i);
        if (component.Tag() != AUTOSAVE_TAG)
            continue;
        const std::u16string controlKey = UpperCaseAscii(component.Name());
        std::u16string value = kNoData;
        if (const ControlKind* kind = KindOf(component))
            value = kind->collect(component);
        if (value != kNoData)
            SetEntry(EncodeKey(formKey, controlKey), value);
    }
}

void TAutosaver::SetEntry(const std::u16string& key, const std::u16string& value)
{
    if (key.empty())
        return;
    const std::u16string prefix = key + u'%';
    for (std::size_t i = Lines.size(); i-- > 0;) {
        if (Lines[i].starts_with(prefix)) {
            Lines[i] = prefix + value;
            return;
        }
    }
    Lines.push_back(prefix + value);
}

std::u16string TAutosaver::EncodeKey(const std::u16string& formName, const std::u16string& controlName) const
{
    return EncodeSettingsKey(formName, controlName);
}

bool TAutosaver::DecodeKey(const std::u16string& encodedKey, std::u16string& formName, std::u16string& controlName) const
{
    formName.clear();
    controlName.clear();
    auto key = DecodeSettingsKey(encodedKey);
    if (!key)
        return false;
    formName = std::move(key->formName);
    controlName = std::move(key->controlName);
    return true;
}

} // namespace kv
