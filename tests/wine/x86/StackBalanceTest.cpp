// The 32-bit calling convention, run rather than read: a host's calls into
// kelvoran.dll and the plug-in's calls of the host callback, with the stack
// pointer and the callee-saved registers measured around each of them.
#include <gtest/gtest.h>

#include <cstring>
#include <cwchar>
#include <string>
#include <vector>

#include "../PluginLibrary.h"
#include "../WindowQueries.h"
#include "StackProbe.h"
#include "support/ExpectedDialog.h"

namespace kv::test {
namespace {

// Controls for the probe itself: a function that leaves its arguments on the
// stack must show as unbalanced, one that removes them as balanced.
extern "C" uint32_t LeavesItsArguments(uint32_t a, uint32_t b) { return a + b; }
extern "C" uint32_t KV_STDCALL RemovesItsArguments(uint32_t a, uint32_t b) { return a + b; }

ProbedCall Probe(const void* fn, const std::vector<uint32_t>& args, uint32_t misalign)
{
    ProbedCall call{fn, args.data(), static_cast<uint32_t>(args.size()), misalign, 0, 0, 0};
    kv_probe_call(&call);
    return call;
}

TEST(StackProbe, TellsABalancedCallFromAnUnbalancedOne)
{
    for (uint32_t misalign : {0u, 4u, 8u, 12u}) {
        const ProbedCall cdeclCall = Probe(reinterpret_cast<const void*>(&LeavesItsArguments), {40, 2}, misalign);
        EXPECT_EQ(cdeclCall.result, 42u);
        EXPECT_EQ(cdeclCall.espDelta, -8) << "misalign " << misalign;
        EXPECT_EQ(cdeclCall.registersKept, 1u);
        const ProbedCall stdcallCall = Probe(reinterpret_cast<const void*>(&RemovesItsArguments), {40, 2}, misalign);
        EXPECT_EQ(stdcallCall.result, 42u);
        EXPECT_EQ(stdcallCall.espDelta, 0) << "misalign " << misalign;
        EXPECT_EQ(stdcallCall.registersKept, 1u);
    }
    // One argument too few: the callee removes 8 bytes where 4 were pushed.
    EXPECT_EQ(Probe(reinterpret_cast<const void*>(&RemovesItsArguments), {7}, 0).espDelta, 4);
}

// The host's image for the callbacks: 4 x 3 grey.
constexpr uint32_t kImage = 0x5150;
constexpr int32_t kWidth = 4, kHeight = 3;
float gPlane[kWidth * kHeight] = {100, 200, 300, 400, 500, 600, 700, 800, 900, 1000, 1100, 1200};
std::vector<CallbackEntry> gCallbacks;

} // namespace
} // namespace kv::test

extern "C" intptr_t kv_record_callback(const uint32_t* entryStack)
{
    using namespace kv::test;
    const CallbackEntry e{static_cast<uint8_t>(entryStack[1] & 0xFF), entryStack[2], entryStack[3], entryStack[4]};
    gCallbacks.push_back(e);
    switch (e.command) {
    case HC_GET_ACTIVE_IMAGE:
        return kImage;
    case HC_GET_IMAGE_SIZE:
        if (e.value == kImage && e.data && e.param) {
            *reinterpret_cast<int32_t*>(e.data) = kWidth;
            *reinterpret_cast<int32_t*>(e.param) = kHeight;
        }
        return 0;
    case HC_GET_PLANE:
        if (e.value == kImage && e.data)
            *reinterpret_cast<float**>(e.data) = gPlane;
        return 0;
    default:
        return 0;
    }
}

namespace kv::test {
namespace {

// A plug-in DLL from the test's folder, its exports as bare addresses.
class Plugin {
public:
    explicit Plugin(const char16_t* dll = u"kelvoran.dll")
    {
        wchar_t exe[MAX_PATH];
        const DWORD n = ::GetModuleFileNameW(nullptr, exe, MAX_PATH);
        std::u16string path(reinterpret_cast<const char16_t*>(exe), n);
        library_.Open(path.substr(0, path.find_last_of(u"\\/") + 1) + dll);
    }
    const void* Export(const char* name) const { return library_.Symbol(name); }

private:
    os::DynamicLibrary library_;
};

struct Step {
    const char* what;
    const char* exportName;
    std::vector<uint32_t> args;
    uint32_t misalign;
};

TEST(StackBalance, EveryExportRemovesExactlyItsArgumentsAndKeepsTheRegisters)
{
    Plugin plugin;
    MainWindow host;
    char name[64] = {}, description[64] = {};
    const auto hwnd = static_cast<uint32_t>(reinterpret_cast<uintptr_t>(host.Get()));
    const auto callback = static_cast<uint32_t>(reinterpret_cast<uintptr_t>(&kv_callback_thunk));
    const std::vector<uint32_t> init = {callback, static_cast<uint32_t>(reinterpret_cast<uintptr_t>(name)),
                                        static_cast<uint32_t>(reinterpret_cast<uintptr_t>(description)), hwnd};
    // The life of the plug-in in a host, each call at another stack alignment.
    const Step steps[] = {
        {"register", "pi_initialize", init, 0},
        {"first activation (creates the dialog)", "pi_activate", {0x11111111, 0x22222222}, 4},
        {"second activation (shows it again)", "pi_activate", {0x33333333, 0x44444444}, 8},
        {"finalize", "pi_finalize", {0x55555555}, 12},
        {"register again", "pi_initialize", init, 12},
        {"activation after finalize (a new dialog)", "pi_activate", {0, 0}, 0},
        {"finalize again", "pi_finalize", {0}, 4},
    };
    for (const Step& s : steps) {
        const void* fn = plugin.Export(s.exportName);
        ASSERT_NE(fn, nullptr) << s.exportName;
        const ProbedCall call = Probe(fn, s.args, s.misalign);
        EXPECT_EQ(call.espDelta, 0) << s.what << ": " << s.exportName << " left the stack off by this many bytes";
        EXPECT_EQ(call.registersKept, 1u) << s.what << ": " << s.exportName << " changed EBX, ESI, EDI or EBP";
        if (std::strcmp(s.exportName, "pi_initialize") == 0) {
            EXPECT_EQ(call.result, 1u);
            EXPECT_STREQ(name, "Kelvoran 2.0");
            EXPECT_STREQ(description, "Remove stars using Artificial Intelligence");
        }
        PumpMessages(); // a release asked for by pi_finalize happens here, in the host's loop
    }
}

// Start pressed in the dialog of a registered plug-in: every callback finds
// its four arguments where stdcall puts them, and the click returns to the
// host with the stack balanced after all the callbacks it made. The stand-in
// plug-in of the host's tests calls back on every press, so the callback side
// of the probe is shown working; kelvoran.dll calls back once its Start asks
// the host for the image.
struct PressCase {
    const char16_t* dll;
    bool mustCallBack;
};

std::string PressName(const testing::TestParamInfo<PressCase>& info)
{
    return info.param.mustCallBack ? "StandIn" : "Kelvoran";
}

class StartPress : public testing::TestWithParam<PressCase> {};

TEST_P(StartPress, CallbacksAreStdcallAndLeaveTheStackBalanced)
{
    const PressCase& p = GetParam();
    Plugin plugin(p.dll);
    MainWindow host;
    char name[64] = {}, description[64] = {};
    gCallbacks.clear();
    auto initialize = reinterpret_cast<decltype(&pi_initialize)>(plugin.Export("pi_initialize"));
    auto activate = reinterpret_cast<decltype(&pi_activate)>(plugin.Export("pi_activate"));
    auto finalize = reinterpret_cast<decltype(&pi_finalize)>(plugin.Export("pi_finalize"));
    ASSERT_TRUE(initialize && activate && finalize);
    ASSERT_EQ(initialize(&kv_callback_thunk, name, description, host.Get()), 1);
    activate(0, 0);
    PumpMessages();

    HWND start = nullptr;
    for (HWND dialog : PluginDialogs())
        if (::IsWindowVisible(dialog))
            start = ::GetDlgItem(dialog, expected::ButStart.id);
    ASSERT_NE(start, nullptr) << "no Start button in the dialog";

    const auto click = Probe(reinterpret_cast<const void*>(&::SendMessageW),
                             {static_cast<uint32_t>(reinterpret_cast<uintptr_t>(start)), BM_CLICK, 0, 0}, 4);
    finalize(0);
    PumpMessages();
    EXPECT_EQ(click.espDelta, 0);
    EXPECT_EQ(click.registersKept, 1u);

    if (gCallbacks.empty()) {
        ASSERT_FALSE(p.mustCallBack) << "the stand-in plug-in made no callback";
        GTEST_SKIP() << "Start of this plug-in made no host callback; only the click's balance is shown";
    }
    EXPECT_EQ(gCallbacks.front().command, HC_GET_ACTIVE_IMAGE);
    for (const CallbackEntry& e : gCallbacks) {
        switch (e.command) {
        case HC_GET_ACTIVE_IMAGE:
            EXPECT_EQ(e.value, 4096u);
            EXPECT_EQ(e.data, 0u);
            EXPECT_EQ(e.param, 0u);
            break;
        case HC_GET_IMAGE_SIZE:
            EXPECT_EQ(e.value, kImage);
            EXPECT_NE(e.data, 0u);
            EXPECT_NE(e.param, 0u);
            break;
        case HC_GET_PLANE:
            EXPECT_EQ(e.value, kImage);
            EXPECT_NE(e.data, 0u);
            EXPECT_TRUE(e.param == 0 || e.param == 2 || e.param == 3) << e.param;
            break;
        case HC_BEFORE_UPDATE:
            EXPECT_EQ(e.value, kImage);
            EXPECT_EQ(e.data, 0u);
            break;
        case HC_AFTER_UPDATE:
            EXPECT_EQ(e.value, kImage);
            EXPECT_EQ(e.data, 1u);
            break;
        default:
            ADD_FAILURE() << "unknown command " << int{e.command};
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Plugins, StartPress,
                         testing::Values(PressCase{u"kelvoran.dll", false},
                                         PressCase{u"libkelvoran_fake_plugin.dll", true}),
                         PressName);

} // namespace
} // namespace kv::test
