// The "..." and Help buttons on the headless build, where the folder browser
// and the shell are seams the test answers.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "PluginFixture.h"
#include "os/posix/ShellSeams.h"
#include "support/Files.h"
#include "support/TempFolder.h"

namespace kv::test {
namespace {

namespace fs = std::filesystem;

int gMainWindow; // its address stands in for the host's main window

class HelpAndFolder : public PluginFixture {
protected:
    void SetUp() override
    {
        PluginFixture::SetUp();
        Initialize(&FakeCallback, &gMainWindow);
        pi_activate(0, 0);
        ASSERT_NE(Form1, nullptr);
    }
    void TearDown() override
    {
        os::seams::SetFolderBrowser(nullptr);
        os::seams::SetShell(nullptr);
        os::seams::SetHostExecutableFolder(std::nullopt);
        PluginFixture::TearDown();
    }
};

struct BrowseCase {
    const char* what;
    std::u16string before;
    std::optional<std::u16string> chosen; // nothing: cancelled
    std::u16string after;
};

TEST_F(HelpAndFolder, TheFolderBrowserFillsTheFolderBoxWithOneTrailingDelimiter)
{
    const BrowseCase cases[] = {
        {"a folder", u"old", u"/opt/star net", u"/opt/star net/"},
        {"already ending in one", u"", u"/opt/sn/", u"/opt/sn/"},
        {"the root", u"old", u"/", u"/"},
        {"non-ASCII", u"", u"/home/J\u00F6rg/\u661F", u"/home/J\u00F6rg/\u661F/"},
        {"cancelled", u"old", std::nullopt, u"old"},
        {"cancelled, box empty", u"", std::nullopt, u""},
        {"no path", u"old", u"", u"old"},
    };
    for (const BrowseCase& c : cases) {
        std::vector<os::FolderBrowseRequest> requests;
        os::seams::SetFolderBrowser([&](const os::FolderBrowseRequest& r) {
            requests.push_back(r);
            return c.chosen;
        });
        Form1->EdStarnet->SetText(c.before);
        Form1->ButDir->Click();
        EXPECT_EQ(Form1->EdStarnet->Text(), c.after) << c.what;
        ASSERT_EQ(requests.size(), 1u) << c.what;
        EXPECT_EQ(requests[0].owner, &gMainWindow) << c.what;
        EXPECT_EQ(requests[0].title, u"Startnet++ installation folder") << c.what;
        EXPECT_EQ(requests[0].flags, 0x241u) << c.what;
        EXPECT_TRUE(ui::headless::RecordedMessageBoxes().empty()) << c.what;
    }
}

struct HelpCase {
    const char* what;
    std::function<void(const fs::path& hostFolder)> place; // puts (or not) the read-me there
    std::optional<intptr_t> shellAnswer;                   // nothing: the shell is not to be asked
    std::optional<std::u16string> box;                     // the error box's text, if one
};

const std::u16string kMissing = u"\"Kelvoran-readme.htm\" not found.\rYou may find this file inside the zip archive.";

TEST_F(HelpAndFolder, HelpOpensTheReadMeBesideTheHostsExecutableOrSaysWhyNot)
{
    const HelpCase cases[] = {
        {"no read-me", [](const fs::path&) {}, std::nullopt, kMissing},
        {"a folder of that name", [](const fs::path& f) { fs::create_directory(f / "Kelvoran-readme.htm"); },
         std::nullopt, kMissing},
        {"a dangling link", [](const fs::path& f) { fs::create_symlink(f / "gone", f / "Kelvoran-readme.htm"); },
         std::nullopt, kMissing},
        {"opened", [](const fs::path& f) { WriteBytes(f / "Kelvoran-readme.htm", {'<'}); }, 42, std::nullopt},
        {"a link to it counts",
         [](const fs::path& f) {
             WriteBytes(f / "real.htm", {'<'});
             fs::create_symlink(f / "real.htm", f / "Kelvoran-readme.htm");
         },
         33, std::nullopt},
        {"no program for it", [](const fs::path& f) { WriteBytes(f / "Kelvoran-readme.htm", {'<'}); }, 31,
         u"Cannot open document."},
        {"the shell's 32 is a failure", [](const fs::path& f) { WriteBytes(f / "Kelvoran-readme.htm", {'<'}); }, 32,
         u"Cannot open document."},
    };
    for (const HelpCase& c : cases) {
        ui::headless::RecordedMessageBoxes().clear();
        TempFolder host;
        c.place(host.Path());
        const std::u16string folder = host.Path().u16string() + u'/';
        os::seams::SetHostExecutableFolder(folder);
        std::vector<std::pair<std::u16string, std::u16string>> opened;
        os::seams::SetShell([&](const std::u16string& verb, const std::u16string& file) {
            opened.emplace_back(verb, file);
            return c.shellAnswer.value_or(42);
        });
        Form1->ButHelp->Click();
        if (c.shellAnswer) {
            ASSERT_EQ(opened.size(), 1u) << c.what;
            EXPECT_EQ(opened[0].first, u"open") << c.what;
            EXPECT_EQ(opened[0].second, folder + u"Kelvoran-readme.htm") << c.what;
        } else {
            EXPECT_TRUE(opened.empty()) << c.what;
        }
        const auto& boxes = ui::headless::RecordedMessageBoxes();
        ASSERT_EQ(boxes.size(), c.box ? 1u : 0u) << c.what;
        if (c.box) {
            EXPECT_EQ(boxes[0].caption, u"Error") << c.what;
            EXPECT_EQ(boxes[0].text, *c.box) << c.what;
            EXPECT_EQ(boxes[0].flags, 0x42010u) << c.what;
        }
    }
}

// Without a stand-in the real executable's folder is used: this test program's.
TEST_F(HelpAndFolder, TheHostsFolderIsThatOfTheProcesssExecutable)
{
    std::vector<std::u16string> opened;
    os::seams::SetShell([&](const std::u16string&, const std::u16string& file) {
        opened.push_back(file);
        return 42;
    });
    const fs::path exe = fs::read_symlink("/proc/self/exe");
    const fs::path readme = exe.parent_path() / "Kelvoran-readme.htm";
    const bool present = fs::exists(readme);
    Form1->ButHelp->Click();
    EXPECT_EQ(opened.size(), present ? 1u : 0u);
    EXPECT_EQ(ui::headless::RecordedMessageBoxes().size(), present ? 0u : 1u);
    if (present) {
        EXPECT_EQ(opened[0], readme.u16string());
    }
}

} // namespace
} // namespace kv::test
