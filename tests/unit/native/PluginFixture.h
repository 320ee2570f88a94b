// Each test starts with no dialog and no pending work, and leaves none behind.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <system_error>
#include <vector>

#include "dialog/Unit1.h"
#include "entry/PluginState.h"
#include "entry/plugin.h"
#include "os/TempDirectory.h"
#include "settings/LibAutosave.h"
#include "ui/Application.h"
#include "ui/headless/MessageBoxLog.h"

namespace kv::test {

class PluginFixture : public ::testing::Test {
protected:
    void SetUp() override { Reset(); }
    void TearDown() override { Reset(); }

    static void Reset()
    {
        ui::Application().ProcessMessages();
        while (ui::Application().ComponentCount() > 0)
            delete ui::Application().Components(ui::Application().ComponentCount() - 1);
        Form1 = nullptr;
        ui::headless::RecordedMessageBoxes().clear();
        // What a test's dialog remembered stays out of the next test.
        Autosaver->Lines.clear();
        std::error_code ignored;
        std::filesystem::remove(std::filesystem::path(GetTempDirectory() + kSettingsFileName), ignored);
    }

    // The dialogs the application object owns now.
    static std::vector<TForm1*> Dialogs()
    {
        std::vector<TForm1*> dialogs;
        for (int32_t i = 0; i < ui::Application().ComponentCount(); ++i)
            if (auto* d = dynamic_cast<TForm1*>(ui::Application().Components(i)))
                dialogs.push_back(d);
        return dialogs;
    }

    static intptr_t KV_STDCALL FakeCallback(uint8_t, intptr_t, void*, intptr_t) { return 0; }
    static intptr_t KV_STDCALL OtherCallback(uint8_t, intptr_t, void*, intptr_t) { return 0; }

    static void Initialize(HostCallbackFn callback = &FakeCallback, void* mainWindow = nullptr)
    {
        char name[64];
        char description[64];
        ASSERT_EQ(pi_initialize(callback, name, description, mainWindow), 1);
    }
};

} // namespace kv::test
