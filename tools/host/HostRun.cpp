#include "tools/host/HostRun.h"

#include <cstdio>
#include <vector>

#include "tools/host/DialogDriver.h"
#include "tools/host/HostCallback.h"
#include "tools/host/ImageFile.h"
#include "tools/host/PluginLibrary.h"
#include "tools/host/RawPlanes.h"

namespace kv::host {

namespace {

int Fail(const std::string& error)
{
    std::fprintf(stderr, "kelvoran-host: %s\n", error.c_str());
    return 1;
}

// Shows the dialog for its lifetime; then releases the plug-in and lets the
// release happen, whichever way the run ends.
class ActivePlugin {
public:
    ActivePlugin(const PluginExports& exports, DialogDriver& driver) : exports_(exports), driver_(driver)
    {
        exports_.activate(0, 0);
        driver_.ProcessMessages();
    }
    ~ActivePlugin()
    {
        exports_.finalize(0);
        driver_.ProcessMessages();
    }
    ActivePlugin(const ActivePlugin&) = delete;
    ActivePlugin& operator=(const ActivePlugin&) = delete;

private:
    const PluginExports& exports_;
    DialogDriver& driver_;
};

// Lines end in LF whatever the dialog used, and the last one too.
std::string NormaliseLines(const std::string& text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n'))
            out += text[i];
    if (!out.empty() && out.back() != '\n')
        out += '\n';
    return out;
}

struct GaugeEvent {
    int32_t value;
    bool startEnabled;
    int ticks;
    int paints;
};

// What --print-gauge reports.
struct GaugeRecord {
    std::vector<GaugeEvent> events;
    bool startEnabledAfter = false;
    bool failed = false;
    bool pictureTaken = false;
    std::string pictureError;
};

// The steps done while the dialog is up: the user's actions, then the log.
bool DriveDialog(const HostOptions& options, DialogDriver& driver, GaugeRecord& gauge, std::string& error)
{
    if (options.printState) {
        std::string folder;
        bool eightBit = false;
        if (!driver.ReadState(folder, eightBit, error))
            return false;
        std::printf("folder: %s\neight-bit: %d\n", folder.c_str(), eightBit ? 1 : 0);
    }
    if (options.printGauge || options.screenshot) {
        const bool watching = driver.WatchGauge(
            [&options, &driver, &gauge](int32_t value) {
                bool enabled = false;
                std::string ignored;
                gauge.failed |= !driver.StartEnabled(enabled, ignored);
                gauge.events.push_back({value, enabled, driver.TimerTicks(), driver.GaugePaints()});
                // The gauge has just repainted: the picture shows the run part-way.
                if (options.screenshot && !gauge.pictureTaken && value >= 25 && value <= 75)
                    gauge.pictureTaken = driver.SaveDialogPicture(*options.screenshot, gauge.pictureError);
            },
            error);
        if (!watching)
            return false;
    }
    if (options.folder && !driver.SetFolder(*options.folder, error))
        return false;
    if (options.eightBit && !driver.CheckEightBit(error))
        return false;
    if (options.start) {
        if (!driver.ClickStart(error))
            return false;
        driver.ProcessMessages();
    }
    if (options.printGauge && !driver.StartEnabled(gauge.startEnabledAfter, error))
        return false;
    if (options.interactive && !driver.RunInteractive(error))
        return false;
    if (options.printLog) {
        std::string log;
        if (!driver.ReadLog(log, error))
            return false;
        std::fputs(NormaliseLines(log).c_str(), stdout);
    }
    return true;
}

} // namespace

int RunHost(const HostOptions& options)
{
    std::string error;
    HostImage image;
    if (options.image && !ReadImageFile(*options.image, image, error))
        return Fail(error);
    if (options.raw && !ReadRawImage(*options.raw, image, error))
        return Fail(error);

    PluginLibrary library;
    PluginExports exports;
    if (!library.Open(options.plugin, error) || !ResolveExports(library, exports, error))
        return Fail(error);
    // Declared after the library: the windows go before the code behind them.
    const auto driver = MakeDialogDriver(library, options.interactive, error);
    if (!driver)
        return Fail(error);

    HostSession session(&image);
    SetCallbackSession(&session);
    struct Detach {
        ~Detach() { SetCallbackSession(nullptr); }
    } detach;

    // Buffers far larger than any name; the plug-in does not check their size.
    char name[1024] = {};
    char description[1024] = {};
    const int32_t registered = exports.initialize(&HostCallbackEntry, name, description, driver->MainWindow());
    if (registered != 1)
        return Fail("the plug-in refused to register (pi_initialize returned " + std::to_string(registered) + ")");

    GaugeRecord gauge;
    {
        InteractiveSession interactive{image, exports, session};
        if (options.interactive)
            driver->AttachInteractive(interactive);
        const ActivePlugin active(exports, *driver);
        if (!DriveDialog(options, *driver, gauge, error))
            return Fail(error);
    }
    if (gauge.failed)
        return Fail("cannot read the state of Start while the gauge changed");

    if (options.save && !SaveTiff16(*options.save, image, error))
        return Fail(error);
    if (options.saveRaw && !WriteRawImage(*options.saveRaw, image, error))
        return Fail(error);
    if (options.printCommands)
        for (const CommandRecord& record : session.Commands())
            std::printf("%d\n", record.command);
    if (options.screenshot && !gauge.pictureTaken)
        std::fprintf(stderr, "kelvoran-host: no picture of the dialog: %s\n",
                     gauge.pictureError.empty() ? "the gauge never showed 25 to 75 %" : gauge.pictureError.c_str());
    if (options.printGauge) {
        for (const GaugeEvent& e : gauge.events)
            std::printf("gauge %d start %d ticks %d paints %d\n", e.value, e.startEnabled ? 1 : 0, e.ticks, e.paints);
        std::printf("after start %d\n", gauge.startEnabledAfter ? 1 : 0);
    }
    std::fflush(stdout);
    return 0;
}

} // namespace kv::host
