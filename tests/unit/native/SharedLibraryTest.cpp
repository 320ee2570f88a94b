// libkelvoran.so loaded as a host loads it: it exports the plug-in's functions and
// the automation interface, and keeps its own internals to itself.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>

#include "os/DynamicLibrary.h"
#include "os/Utf.h"
#include "support/ExpectedDialog.h"

namespace {

namespace expected = kv::test::expected;

class SharedLibrary : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string why;
        ASSERT_TRUE(library_.Open(kv::os::Utf8ToUtf16(KV_PLUGIN_PATH), &why)) << why;
    }
    template <class F>
    F Get(const char* name)
    {
        return reinterpret_cast<F>(library_.Symbol(name));
    }
    kv::os::DynamicLibrary library_;
};

using Callback = intptr_t (*)(uint8_t, intptr_t, void*, intptr_t);
intptr_t NoImage(uint8_t, intptr_t, void*, intptr_t) { return 0; }

TEST_F(SharedLibrary, ExportsPluginAndAutomationOnly)
{
    for (const char* name : {"pi_initialize", "pi_activate", "pi_finalize", "kv_auto_find", "kv_auto_set_text",
                             "kv_auto_set_checked", "kv_auto_click", "kv_auto_get_text", "kv_auto_process_messages"})
        EXPECT_NE(library_.Symbol(name), nullptr) << name;
    // kv::ui::Application() and kv::GetTempDirectory() stay inside.
    EXPECT_EQ(library_.Symbol("_ZN2kv2ui11ApplicationEv"), nullptr);
    EXPECT_EQ(library_.Symbol("_ZN2kv16GetTempDirectoryEv"), nullptr);
}

TEST_F(SharedLibrary, RunsTheLifecycleThroughItsExports)
{
    auto init = Get<int32_t (*)(Callback, char*, char*, void*)>("pi_initialize");
    auto activate = Get<void (*)(intptr_t, intptr_t)>("pi_activate");
    auto finalize = Get<void (*)(intptr_t)>("pi_finalize");
    auto find = Get<void* (*)(const char*)>("kv_auto_find");
    auto process = Get<void (*)()>("kv_auto_process_messages");
    auto getText = Get<std::size_t (*)(void*, char*, std::size_t)>("kv_auto_get_text");
    ASSERT_TRUE(init && activate && finalize && find && process && getText);

    char name[32];
    char description[64];
    std::memset(name, 1, sizeof name);
    EXPECT_EQ(init(&NoImage, name, description, nullptr), 1);
    EXPECT_STREQ(name, "Kelvoran 2.0");
    EXPECT_STREQ(description, "Remove stars using Artificial Intelligence");

    activate(0, 0);
    const std::string startName = expected::Ascii(expected::ButStart.name);
    void* start = find(startName.c_str());
    ASSERT_NE(start, nullptr);
    char text[16];
    getText(start, text, sizeof text);
    EXPECT_EQ(std::string(text), expected::Ascii(expected::ButStart.text));
    activate(0, 0);
    EXPECT_EQ(find(startName.c_str()), start);

    finalize(0);
    process();
    EXPECT_EQ(find(startName.c_str()), nullptr);
}

} // namespace
