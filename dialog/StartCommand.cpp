// TForm1::ButStartClick: one press of Start, the whole round trip.
#include "base/HostCallback.h"
#include "base/LibBase.h"
#include "dialog/Messages.h"
#include "dialog/TempNames.h"
#include "dialog/Unit1.h"
#include "image/ResultRead.h"
#include "image/uImage.h"
#include "os/Clock.h"
#include "os/FileSystem.h"
#include "os/ModuleFolder.h"

namespace kv {

namespace {

intptr_t Ask(uint8_t command, intptr_t value, void* data, intptr_t param)
{
    return HostCallback ? HostCallback(command, value, data, param) : 0;
}

// The brightest value, searched in storage order up to the first one above 10000.
float PeakOf(const float* plane, int64_t count)
{
    float peak = 0.0f;
    for (int64_t i = 0; i < count; ++i) {
        if (plane[i] > peak) {
            peak = plane[i];
            if (peak > 10000.0f)
                break;
        }
    }
    return peak;
}

// The log line for a result that left the planes as they were.
std::u16string ReadProblem(ResultRead result)
{
    switch (result) {
    case ResultRead::Done:
        return {};
    case ResultRead::NoFile:
        return msg::kNoResult;
    case ResultRead::NoFreeImage:
        return FreeImageProblem();
    case ResultRead::WrongType:
        return msg::kResultWrongType;
    case ResultRead::WrongSize:
        return msg::kResultWrongSize;
    case ResultRead::CutShort:
        return msg::kResultCutShort;
    case ResultRead::Unreadable:
        break;
    }
    return msg::kResultUnreadable;
}

// Start is off for exactly the tool's run, and back on however it ends.
class StartDisabled {
public:
    explicit StartDisabled(ui::TControl* start) : start_(start) { start_->SetEnabled(false); }
    ~StartDisabled() { start_->SetEnabled(true); }
    StartDisabled(const StartDisabled&) = delete;
    StartDisabled& operator=(const StartDisabled&) = delete;

private:
    ui::TControl* start_;
};

} // namespace

void TForm1::ButStartClick(ui::TObject*)
{
    auto& log = MemoLog->Lines();
    const intptr_t image = Ask(HC_GET_ACTIVE_IMAGE, kActiveImageQuery, nullptr, 0);
    if (image == 0) {
        log.Clear();
        log.Add(msg::kPleaseOpenImage);
        return;
    }
    int32_t width = 0;
    int32_t height = 0;
    float* plane0 = nullptr;
    float* plane2 = nullptr;
    float* plane3 = nullptr;
    Ask(HC_GET_IMAGE_SIZE, image, &width, reinterpret_cast<intptr_t>(&height));
    Ask(HC_GET_PLANE, image, &plane0, PLANE_MAIN);
    Ask(HC_GET_PLANE, image, &plane2, PLANE_SECOND);
    Ask(HC_GET_PLANE, image, &plane3, PLANE_THIRD);
    // Nothing to read from: no plane, or no pixels.
    if (plane0 == nullptr || plane2 == nullptr || plane3 == nullptr || width < 1 || height < 1) {
        log.Clear();
        log.Add(msg::kNoImageData);
        return;
    }

    IsColor = plane0 != plane2;
    TooSmall = width < 512 || height < 512;
    const int64_t count = static_cast<int64_t>(width) * height;
    const float peak = PeakOf(plane0, count);
    const bool eightBit = CBScale8bit->Checked();
    if (!eightBit && peak <= 10000.0f) {
        log.Clear();
        log.Add(InRangeF(peak, 50.0f, 256.0f) ? msg::kSeemsEightBit : msg::kRangeTooLow);
        return;
    }
    if (eightBit && peak > 259.0f) {
        log.Clear();
        log.Add(msg::kSeemsNotEightBit);
        return;
    }
    const float scale = eightBit ? 256.0f : 1.0f;

    const std::u16string name = TempImageName(ScreenLeft(), ScreenTop(), os::TickCount());
    InputFile = TempDir + name;
    OutputFile = TempDir + u"Out" + name;

    ToolRan = false;
    if (!WriteTiff16(plane0, plane2, plane3, scale, width, height, IsColor, InputFile)) {
        // The tool is not run on a broken file.
        log.Clear();
        log.Add(msg::kCannotWrite + InputFile);
    } else {
        if (CBTestImage->Checked())
            os::CopyFileOver(os::ExecutableFolder() + (IsColor ? u"ColorTemp.tif" : u"MonoTemp.tif"), InputFile);
        const StartDisabled disabled(ButStart);
        RunTool();
    }

    Ask(HC_BEFORE_UPDATE, image, nullptr, 0);
    const ResultRead read = LoadResultPlanes(OutputFile, plane0, plane2, plane3, 1.0f / scale, width, height);
    // A refused or failed run has logged its own line already.
    if (ToolRan && read != ResultRead::Done)
        log.Add(ReadProblem(read));
    Ask(HC_AFTER_UPDATE, image, reinterpret_cast<void*>(intptr_t{1}), 0);
    os::DeleteFileAt(InputFile);
    os::DeleteFileAt(OutputFile);
}

} // namespace kv
