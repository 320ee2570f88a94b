// The "..." and Help buttons of the real plug-in under Wine: the system's
// folder browser, driven through its own messages, and the "Error" boxes,
// read and closed by a thread timer while the click is being handled. The
// plug-in is loaded from a folder of its own, so that "beside the plug-in"
// and "beside the host's executable" are different places.
#include <gtest/gtest.h>

#include <windows.h>
#include <shlobj.h>

#include <filesystem>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "PluginLibrary.h"
#include "WindowQueries.h"
#include "os/DynamicLibrary.h"
#include "support/ExpectedDialog.h"
#include "support/Files.h"
#include "support/TempFolder.h"

namespace kv::test {
namespace {

namespace fs = std::filesystem;

intptr_t KV_STDCALL NoImage(uint8_t, intptr_t, void*, intptr_t) { return 0; }

fs::path ExeFolder()
{
    wchar_t exe[MAX_PATH];
    const DWORD n = ::GetModuleFileNameW(nullptr, exe, MAX_PATH);
    return fs::path(std::wstring(exe, n)).parent_path();
}

// ---- what the timer sees and does -------------------------------------------------

struct ErrorBoxSeen {
    int count = 0;
    std::vector<std::wstring> texts; // the static texts of the last box
};
ErrorBoxSeen gErrorBox;

void CALLBACK CloseErrorBoxes(HWND, UINT, UINT_PTR, DWORD)
{
    for (HWND box : TopLevelWindows(L"Error")) {
        if (!::IsWindowVisible(box))
            continue;
        ++gErrorBox.count;
        gErrorBox.texts.clear();
        for (const ChildInfo& c : ChildrenOf(box))
            if (c.className == L"Static" && !c.text.empty())
                gErrorBox.texts.push_back(c.text);
        ::PostMessageW(box, WM_COMMAND, IDOK, 0);
    }
}

struct BrowserSeen {
    bool found = false;
    HWND owner = nullptr;
    bool ownerEnabled = true;
};
BrowserSeen gBrowser;
std::optional<std::wstring> gSelect; // nothing: press Cancel
UINT_PTR gBrowserTimer = 0;

struct TextSearch {
    const std::wstring* text;
    bool found;
};

BOOL CALLBACK MatchText(HWND child, LPARAM lp)
{
    auto* s = reinterpret_cast<TextSearch*>(lp);
    if (TextOf(child) == *s->text)
        s->found = true;
    return !s->found;
}

bool HasText(HWND parent, const std::wstring& text)
{
    TextSearch search{&text, false};
    ::EnumChildWindows(parent, &MatchText, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

BOOL CALLBACK FindBrowser(HWND w, LPARAM lp)
{
    if (::IsWindowVisible(w) && HasText(w, L"Startnet++ installation folder"))
        *reinterpret_cast<HWND*>(lp) = w;
    return TRUE;
}

HWND gMain = nullptr;

void CALLBACK DriveBrowser(HWND, UINT, UINT_PTR, DWORD)
{
    HWND browser = nullptr;
    ::EnumThreadWindows(::GetCurrentThreadId(), &FindBrowser, reinterpret_cast<LPARAM>(&browser));
    if (!browser)
        return; // not open yet
    ::KillTimer(nullptr, gBrowserTimer);
    gBrowser.found = true;
    gBrowser.owner = ::GetWindow(browser, GW_OWNER);
    gBrowser.ownerEnabled = ::IsWindowEnabled(gMain) != FALSE;
    if (gSelect) {
        ::SendMessageW(browser, BFFM_SETSELECTIONW, TRUE, reinterpret_cast<LPARAM>(gSelect->c_str()));
        ::PostMessageW(browser, WM_COMMAND, IDOK, 0);
    } else {
        ::PostMessageW(browser, WM_COMMAND, IDCANCEL, 0);
    }
}

// ---- the fixture -------------------------------------------------------------------

class HelpAndFolder : public ::testing::Test {
protected:
    void SetUp() override
    {
        gMain = main_.Get();
        const fs::path dll = ExeFolder() / "plugin" / "kelvoran.dll";
        ASSERT_TRUE(library_.Open(dll.u16string()));
        auto initialize = reinterpret_cast<decltype(&pi_initialize)>(library_.Symbol("pi_initialize"));
        activate_ = reinterpret_cast<decltype(&pi_activate)>(library_.Symbol("pi_activate"));
        finalize_ = reinterpret_cast<decltype(&pi_finalize)>(library_.Symbol("pi_finalize"));
        ASSERT_TRUE(initialize && activate_ && finalize_);
        char name[64], description[64];
        ASSERT_EQ(initialize(&NoImage, name, description, gMain), 1);
        activate_(0, 0);
        PumpMessages();
        const auto dialogs = PluginDialogs();
        ASSERT_EQ(dialogs.size(), 1u);
        dialog_ = dialogs[0];
        edit_ = ::GetDlgItem(dialog_, expected::EdStarnet.id);
        help_ = ::GetDlgItem(dialog_, expected::ButHelp.id);
        dir_ = ::GetDlgItem(dialog_, expected::ButDir.id);
        ASSERT_TRUE(edit_ && help_ && dir_);
    }
    void TearDown() override
    {
        // Typed folders are not to be remembered by the next test.
        if (edit_)
            ::SendMessageW(edit_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""));
        if (finalize_)
            finalize_(0);
        PumpMessages();
        std::error_code ignored;
        fs::remove_all(ExeFolder() / "Kelvoran-readme.htm", ignored);
        fs::remove_all(ExeFolder() / "plugin" / "Kelvoran-readme.htm", ignored);
    }

    void Click(HWND button, TIMERPROC watcher, UINT_PTR* timer = nullptr)
    {
        const UINT_PTR id = ::SetTimer(nullptr, 0, 50, watcher);
        if (timer)
            *timer = id;
        ::SetActiveWindow(dialog_);
        ::SendMessageW(button, BM_CLICK, 0, 0);
        ::KillTimer(nullptr, id);
    }

    std::wstring EditText() const { return TextOf(edit_); }
    void SetEditText(const std::wstring& text) { ::SendMessageW(edit_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str())); }

    MainWindow main_;
    os::DynamicLibrary library_;
    decltype(&pi_activate) activate_ = nullptr;
    decltype(&pi_finalize) finalize_ = nullptr;
    HWND dialog_ = nullptr, edit_ = nullptr, help_ = nullptr, dir_ = nullptr;
};

const std::wstring kMissing = L"\"Kelvoran-readme.htm\" not found.\rYou may find this file inside the zip archive.";

struct HelpCase {
    const char* what;
    std::optional<fs::path> readme; // written there, relative to the executable's folder
    bool asFolder;
    bool missingBox;
};

TEST_F(HelpAndFolder, HelpLooksBesideTheHostsExecutableOnly)
{
    const HelpCase cases[] = {
        {"no read-me", std::nullopt, false, true},
        {"beside the plug-in only", fs::path("plugin") / "Kelvoran-readme.htm", false, true},
        {"a folder of that name beside the executable", fs::path("Kelvoran-readme.htm"), true, true},
        {"beside the executable", fs::path("Kelvoran-readme.htm"), false, false},
    };
    for (const HelpCase& c : cases) {
        std::error_code ignored;
        fs::remove_all(ExeFolder() / "Kelvoran-readme.htm", ignored);
        fs::remove_all(ExeFolder() / "plugin" / "Kelvoran-readme.htm", ignored);
        if (c.readme && c.asFolder)
            fs::create_directory(ExeFolder() / *c.readme);
        else if (c.readme)
            WriteBytes(ExeFolder() / *c.readme, {'<', 'p', '>'});
        gErrorBox = ErrorBoxSeen{};
        Click(help_, &CloseErrorBoxes);
        if (c.missingBox) {
            EXPECT_EQ(gErrorBox.count, 1) << c.what;
            EXPECT_EQ(gErrorBox.texts, std::vector<std::wstring>{kMissing}) << c.what;
        } else {
            // Whether Wine's shell opens it is the shell's matter; all that may
            // come is the other box.
            EXPECT_LE(gErrorBox.count, 1) << c.what;
            if (gErrorBox.count == 1) {
                EXPECT_EQ(gErrorBox.texts, std::vector<std::wstring>{L"Cannot open document."}) << c.what;
            }
            std::printf("[ note ] %s: %s\n", c.what,
                        gErrorBox.count ? "the shell answered \"Cannot open document.\"" : "the shell opened it");
        }
    }
}

struct BrowseCase {
    const char* what;
    std::wstring before;
    std::optional<std::wstring> select; // nothing: Cancel
    std::wstring after;
};

TEST_F(HelpAndFolder, TheFolderBrowserFillsTheFolderBox)
{
    // Near the root: Wine's browser did not select a folder deep in the
    // temporary folder through BFFM_SETSELECTIONW here; one below C:\ it does.
    const fs::path nonAscii = fs::path(L"C:\\") / L"J\u00F6rg \u661F";
    fs::create_directory(nonAscii);
    struct Remove {
        fs::path path;
        ~Remove()
        {
            std::error_code ignored;
            fs::remove(path, ignored);
        }
    } remove{nonAscii};
    const BrowseCase cases[] = {
        {"a folder", L"old", L"C:\\windows", L"C:\\windows\\"},
        {"a drive root", L"", L"Z:\\", L"Z:\\"},
        {"non-ASCII", L"", nonAscii.wstring(), nonAscii.wstring() + L"\\"},
        {"cancelled", L"old", std::nullopt, L"old"},
        {"cancelled, box empty", L"", std::nullopt, L""},
    };
    for (const BrowseCase& c : cases) {
        SetEditText(c.before);
        gBrowser = BrowserSeen{};
        gSelect = c.select;
        Click(dir_, &DriveBrowser, &gBrowserTimer);
        ASSERT_TRUE(gBrowser.found) << c.what;
        EXPECT_EQ(gBrowser.owner, gMain) << c.what;
        EXPECT_FALSE(gBrowser.ownerEnabled) << c.what << ": modal";
        EXPECT_EQ(EditText(), c.after) << c.what;
        EXPECT_TRUE(::IsWindowEnabled(gMain)) << c.what;
    }
}

} // namespace
} // namespace kv::test
