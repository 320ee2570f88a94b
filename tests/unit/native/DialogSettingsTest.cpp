// The dialog remembers its folder and its 8-bit option through the
// process-wide autosaver: loaded at creation, saved at destruction when the
// folder box is not empty.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "PluginFixture.h"
#include "os/TempDirectory.h"
#include "settings/LibAutosave.h"
#include "support/Files.h"

namespace kv::test {
namespace {

namespace fs = std::filesystem;

class DialogSettings : public PluginFixture {
protected:
    static fs::path SettingsPath() { return fs::path(GetTempDirectory() + kSettingsFileName); }

    static std::optional<std::string> SettingsText()
    {
        if (!fs::exists(SettingsPath()))
            return std::nullopt;
        const auto bytes = ReadBytes(SettingsPath());
        return std::string(bytes.begin(), bytes.end());
    }

    static void Open()
    {
        pi_activate(0, 0);
        ASSERT_NE(Form1, nullptr);
    }

    // Releases the dialog as pi_finalize and the host's next message processing do.
    static void Close()
    {
        pi_finalize(0);
        ui::Application().ProcessMessages();
        ASSERT_TRUE(Dialogs().empty());
    }
};

const std::string kMark = "\xEF\xBB\xBF";
const std::string kFolderKey = "UQ\\Q=FVJbVKVZLe%";
const std::string kEightBitKey = "UQ\\Q=FTHbEKPQ?SOc%";

struct Session {
    const char* what;
    std::optional<std::string> fileBefore; // the settings file at creation
    std::u16string folderShown;           // EdStarnet once created
    bool eightBitShown;
    std::optional<std::u16string> type; // typed into EdStarnet before closing
    bool check;                        // "Image is 8 bit" checked before closing
    std::optional<std::string> fileAfter;
};

TEST_F(DialogSettings, LoadsAtCreationAndSavesAtDestructionUnlessTheFolderIsEmpty)
{
    const std::string stored = kMark + kFolderKey + "/opt/J\xC3\xB6rg/sn/\r\n" + kEightBitKey + "1\r\n";
    const Session sessions[] = {
        {"first use, nothing typed", std::nullopt, u"", false, std::nullopt, false, std::nullopt},
        {"a folder typed and the box checked", std::nullopt, u"", false, u"/opt/J\u00F6rg/sn/", true, stored},
        {"both come back", stored, u"/opt/J\u00F6rg/sn/", true, std::nullopt, false, stored},
        {"clearing the folder keeps the old file", stored, u"/opt/J\u00F6rg/sn/", true, u"", false, stored},
        {"blanks count as a folder", stored, u"/opt/J\u00F6rg/sn/", true, u"  ", false,
         kMark + kFolderKey + "  \r\n" + kEightBitKey + "1\r\n"},
        {"other lines are kept", kMark + "# mine\r\n", u"", false, u"/sn/", false,
         kMark + "# mine\r\n" + kFolderKey + "/sn/\r\n" + kEightBitKey + "0\r\n"},
        {"random bytes leave the designed values", std::string("\x9F\x00\xFF%\xD8\r\x01\xFE\xFF\x00", 10), u"", false,
         std::nullopt, false, std::string("\x9F\x00\xFF%\xD8\r\x01\xFE\xFF\x00", 10)},
    };
    for (const Session& s : sessions) {
        Reset();
        if (s.fileBefore)
            WriteBytes(SettingsPath(), std::vector<uint8_t>(s.fileBefore->begin(), s.fileBefore->end()));
        Initialize();
        Open();
        EXPECT_EQ(Form1->EdStarnet->Text(), s.folderShown) << s.what;
        EXPECT_EQ(Form1->CBScale8bit->Checked(), s.eightBitShown) << s.what;
        if (s.type)
            Form1->EdStarnet->SetText(*s.type);
        if (s.check)
            Form1->CBScale8bit->SetChecked(true);
        Close();
        EXPECT_EQ(SettingsText(), s.fileAfter) << s.what;
    }
}

// Lines outlive the dialog: a later dialog of the same process gets what the
// earlier one left, even with the file gone.
TEST_F(DialogSettings, TheRememberedLinesOutliveTheDialog)
{
    Initialize();
    Open();
    Form1->EdStarnet->SetText(u"/sn/");
    Close();
    fs::remove(SettingsPath());
    Open();
    EXPECT_EQ(Form1->EdStarnet->Text(), u"/sn/");
    Close();
}

} // namespace
} // namespace kv::test
