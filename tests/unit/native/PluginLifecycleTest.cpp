// The exports and the single dialog's lifetime, on the headless framework.
#include <cstring>
#include <string>

#include "PluginFixture.h"

namespace kv::test {
namespace {

using PluginLifecycle = PluginFixture;

// The buffers get the text and exactly one NUL; the bytes after it stay untouched.
TEST_F(PluginLifecycle, NameAndDescriptionAreCopiedWithOneNul)
{
    char name[64];
    char description[64];
    std::memset(name, 0x5A, sizeof name);
    std::memset(description, 0x5A, sizeof description);
    ASSERT_EQ(pi_initialize(&FakeCallback, name, description, nullptr), 1);

    const std::string expectedName = "Kelvoran 2.0";
    const std::string expectedDescription = "Remove stars using Artificial Intelligence";
    ASSERT_EQ(expectedDescription.size(), 42u);
    EXPECT_EQ(std::string(name, expectedName.size() + 1), expectedName + '\0');
    EXPECT_EQ(name[expectedName.size() + 1], 0x5A);
    EXPECT_EQ(std::string(description, expectedDescription.size() + 1), expectedDescription + '\0');
    EXPECT_EQ(description[expectedDescription.size() + 1], 0x5A);
}

TEST_F(PluginLifecycle, InitializeStoresCallbackAndOwnerWindow)
{
    int mainWindow = 0;
    Initialize(&FakeCallback, &mainWindow);
    EXPECT_EQ(HostCallback, &FakeCallback);
    EXPECT_EQ(ui::Application().OwnerWindow(), &mainWindow);
    Initialize(&OtherCallback, nullptr);
    EXPECT_EQ(HostCallback, &OtherCallback);
}

TEST_F(PluginLifecycle, MissingBuffersAreSkipped)
{
    EXPECT_EQ(pi_initialize(&FakeCallback, nullptr, nullptr, nullptr), 1);
    EXPECT_EQ(HostCallback, &FakeCallback);
}

TEST_F(PluginLifecycle, ActivateTwiceShowsOneDialog)
{
    Initialize();
    pi_activate(0, 0);
    TForm1* first = Form1;
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(first->Visible());
    first->Close();
    EXPECT_FALSE(first->Visible());

    pi_activate(0, 0);
    EXPECT_EQ(Form1, first);
    EXPECT_TRUE(first->Visible());
    EXPECT_EQ(Dialogs().size(), 1u);
}

TEST_F(PluginLifecycle, FinalizeBeforeActivateDoesNothing)
{
    Initialize();
    pi_finalize(0);
    ui::Application().ProcessMessages();
    EXPECT_EQ(Form1, nullptr);
    EXPECT_EQ(ui::Application().ComponentCount(), 0);
    pi_activate(0, 0);
    EXPECT_EQ(Dialogs().size(), 1u);
}

TEST_F(PluginLifecycle, InitializeTwiceThenActivateCreatesNewDialog)
{
    Initialize();
    pi_activate(0, 0);
    TForm1* first = Form1;
    Initialize();
    EXPECT_EQ(Form1, nullptr);
    pi_activate(0, 0);
    ASSERT_NE(Form1, nullptr);
    EXPECT_NE(Form1, first);
    // The earlier dialog is forgotten, not destroyed.
    const auto dialogs = Dialogs();
    ASSERT_EQ(dialogs.size(), 2u);
    EXPECT_EQ(dialogs[0], first);
}

TEST_F(PluginLifecycle, FinalizeDestroysDialogOnlyWhenMessagesAreProcessed)
{
    Initialize();
    pi_activate(0, 0);
    ASSERT_EQ(Dialogs().size(), 1u);
    pi_finalize(0);
    EXPECT_EQ(Dialogs().size(), 1u) << "destroyed before the host processed its messages";
    ui::Application().ProcessMessages();
    EXPECT_TRUE(Dialogs().empty());
}

TEST_F(PluginLifecycle, FinalizeTwiceReleasesOnce)
{
    Initialize();
    pi_activate(0, 0);
    pi_finalize(0);
    pi_finalize(0);
    ui::Application().ProcessMessages(); // a second delete would fail under AddressSanitizer
    EXPECT_TRUE(Dialogs().empty());
}

// The released dialog is never reached again: activation after finalize
// builds a fresh one (even before the release has run).
TEST_F(PluginLifecycle, ActivateAfterFinalizeMakesNewDialog)
{
    Initialize();
    pi_activate(0, 0);
    TForm1* released = Form1;
    pi_finalize(0);
    pi_activate(0, 0);
    ASSERT_NE(Form1, nullptr);
    EXPECT_NE(Form1, released);
    ui::Application().ProcessMessages();
    const auto dialogs = Dialogs();
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_EQ(dialogs[0], Form1);
    EXPECT_TRUE(Form1->Visible());
}

// The host may release the plug-in while a handler of the dialog processes
// messages itself (the tool runner does, between reads): the dialog then
// lives until the handler has returned.
TEST_F(PluginLifecycle, ReleaseDuringAHandlerWaitsForTheHandler)
{
    Initialize();
    pi_activate(0, 0);
    TForm1* dialog = Form1;
    size_t dialogsInside = 0;
    dialog->ButStart->OnClick = [&](ui::TObject*) {
        pi_finalize(0);
        ui::Application().ProcessMessages();
        dialogsInside = Dialogs().size();
        dialog->MemoLog->Lines().Add(u"still here"); // a freed dialog would fail under AddressSanitizer
    };
    dialog->ButStart->Click();
    EXPECT_EQ(dialogsInside, 1u);
    EXPECT_EQ(Dialogs().size(), 1u) << "destroyed before the next message processing";
    ui::Application().ProcessMessages();
    EXPECT_TRUE(Dialogs().empty());
}

} // namespace
} // namespace kv::test
