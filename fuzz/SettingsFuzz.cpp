// Any bytes as the settings file: loaded, applied to the plug-in's dialog,
// collected and saved again. Nothing may crash, hang or grow without bound,
// and what is saved must read back as the same lines.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "dialog/Unit1.h"
#include "os/File.h"
#include "os/FileReader.h"
#include "os/Utf.h"
#include "settings/LibAutosave.h"
#include "settings/SettingsKey.h"
#include "settings/SettingsText.h"
#include "ui/Application.h"

namespace {

namespace fs = std::filesystem;

struct Setup {
    fs::path folder;
    kv::TForm1* dialog = nullptr;

    Setup()
    {
        folder = fs::temp_directory_path() / ("kelvoran-fuzz-" + std::to_string(std::rand()));
        fs::create_directories(folder);
        // The dialog's own settings file goes to a folder of the fuzzer's.
        ::setenv("TMPDIR", folder.c_str(), 1);
        dialog = new kv::TForm1(&kv::ui::Application());
    }
};

Setup& Once()
{
    static Setup setup;
    return setup;
}

void Check(bool ok, const char* what)
{
    if (!ok) {
        std::fprintf(stderr, "settings fuzz: %s\n", what);
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Setup& setup = Once();
    const std::u16string in = (setup.folder / "in.ini").u16string();
    const std::u16string out = (setup.folder / "out.ini").u16string();
    {
        kv::os::FileWriter file;
        Check(file.Create(in) && file.Write(data, size), "cannot write the input file");
    }

    kv::TAutosaver saver;
    Check(saver.LoadFromFile(in), "an existing file did not load");
    saver.ApplyToForm(*setup.dialog);
    try {
        saver.CollectFromForm(*setup.dialog);
    } catch (const kv::EEncodeIden&) {
        Check(false, "the dialog's own names failed to encode");
    }
    Check(saver.SaveToFile(out), "cannot save");

    kv::TAutosaver again;
    Check(again.LoadFromFile(out), "the saved file did not load");
    // UTF-8 cannot hold an unpaired surrogate (one read from a UTF-16 file,
    // perhaps by an earlier input, and kept by the dialog): it is written as
    // U+FFFD. Everything else reads back exactly.
    std::vector<std::u16string> expected = saver.Lines;
    const auto saved = kv::os::ReadSmallFile(out, kv::kMaxSettingsFileBytes);
    Check(saved.has_value(), "cannot read the saved file");
    if (saved->rfind("\xEF\xBB\xBF", 0) == 0)
        for (auto& line : expected)
            line = kv::os::Utf8ToUtf16(kv::os::Utf16ToUtf8(line));
    Check(again.Lines == expected, "the saved file reads back differently");

    // The key decoder on the raw bytes taken as UTF-16 code units.
    std::u16string key(size / 2, u'\0');
    for (size_t i = 0; i < key.size(); ++i)
        key[i] = static_cast<char16_t>(data[2 * i] | (data[2 * i + 1] << 8));
    std::u16string form, control;
    if (saver.DecodeKey(key, form, control))
        Check(saver.EncodeKey(form, control) == key, "a decoded key encodes differently");
    return 0;
}
