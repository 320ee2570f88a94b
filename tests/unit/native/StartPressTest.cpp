// Start on the headless dialog with a host whose answers are incomplete: one
// line in the log, the host not told of any change, nothing written.
#include <gtest/gtest.h>

#include <vector>

#include "base/HostCallback.h"
#include "dialog/Unit1.h"
#include "ui/Application.h"

namespace {

// What the fake host answers, and what it heard.
struct FakeHost {
    intptr_t image = 0;
    int32_t width = 0, height = 0;
    bool planes = false;
    std::vector<uint8_t> commands;
    std::vector<float> plane = std::vector<float>(64, 20000.0f);
};
FakeHost* host = nullptr;

intptr_t KV_STDCALL Answer(uint8_t command, intptr_t, void* data, intptr_t param)
{
    host->commands.push_back(command);
    switch (command) {
    case HC_GET_ACTIVE_IMAGE:
        return host->image;
    case HC_GET_IMAGE_SIZE:
        *static_cast<int32_t*>(data) = host->width;
        *reinterpret_cast<int32_t*>(param) = host->height;
        return 1;
    case HC_GET_PLANE:
        *static_cast<float**>(data) = host->planes ? host->plane.data() : nullptr;
        return host->planes ? 1 : 0;
    default:
        return 1;
    }
}

FakeHost Answers(intptr_t image, int32_t width, int32_t height, bool planes)
{
    FakeHost h;
    h.image = image;
    h.width = width;
    h.height = height;
    h.planes = planes;
    return h;
}

struct Case {
    const char* name;
    FakeHost answers;
    std::vector<std::u16string> log;
    std::vector<uint8_t> commands;
};

TEST(StartPress, IncompleteHostAnswersEndThePressWithOneLine)
{
    const Case cases[] = {
        {"no image", Answers(0, 8, 8, true), {u"Please open an image."}, {16}},
        {"no planes", Answers(7, 8, 8, false), {u"ERROR: The host gave no image data."}, {16, 1, 0, 0, 0}},
        {"no pixels", Answers(7, 0, 8, true), {u"ERROR: The host gave no image data."}, {16, 1, 0, 0, 0}},
        {"negative size", Answers(7, 8, -3, true), {u"ERROR: The host gave no image data."}, {16, 1, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        FakeHost fake = c.answers;
        host = &fake;
        kv::HostCallback = &Answer;
        auto* form = new kv::TForm1(&kv::ui::Application());
        form->ButStartClick(nullptr);
        EXPECT_EQ(form->MemoLog->Lines().Lines(), c.log) << c.name;
        EXPECT_EQ(fake.commands, c.commands) << c.name;
        EXPECT_TRUE(form->InputFile.empty()) << c.name;
        EXPECT_TRUE(form->ButStart->Enabled()) << c.name;
        delete form;
    }
    kv::HostCallback = nullptr;
    host = nullptr;
}

TEST(StartPress, WithoutACallbackThereIsNoImage)
{
    kv::HostCallback = nullptr;
    auto* form = new kv::TForm1(&kv::ui::Application());
    form->ButStartClick(nullptr);
    EXPECT_EQ(form->MemoLog->Lines().Lines(), std::vector<std::u16string>{u"Please open an image."});
    delete form;
}

} // namespace
