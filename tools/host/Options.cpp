#include "tools/host/Options.h"

#include <charconv>

namespace kv::host {

const char* const kUsage =
    "usage: kelvoran-host --plugin PATH [--image FILE | --raw WIDTH HEIGHT CHANNELS FILE]\n"
    "                     [--folder DIR] [--eight-bit] [--start] [--save FILE] [--save-raw FILE]\n"
    "                     [--print-log] [--print-state] [--commands] [--print-gauge] [--screenshot FILE]\n"
    "                     [--interactive] [--help]\n"
    "  --plugin PATH    the plug-in library to load\n"
    "  --image FILE     open a TIFF (grey or RGB, 8, 16 or 32 bits per sample)\n"
    "  --raw W H C FILE open little-endian float32 planes (code 0, then 2, then 3; C is 1 or 3)\n"
    "  --folder DIR     type DIR into the dialog's folder box\n"
    "  --eight-bit      check \"Image is 8 bit\"\n"
    "  --start          click Start\n"
    "  --save FILE      write the image as a 16-bit TIFF afterwards\n"
    "  --save-raw FILE  write the image as float32 planes, in the --raw layout\n"
    "  --print-log      print the dialog's log afterwards\n"
    "  --print-state    print the folder box and the 8-bit box as the dialog opened\n"
    "  --commands       print the callback commands received, one per line\n"
    "  --print-gauge    print each gauge value seen while Start ran (\"gauge V start 0|1 ticks T paints P\":\n"
    "                   Start's state, the host's 100 ms timer ticks and the gauge's repaints so far),\n"
    "                   then \"after start 0|1\"\n"
    "  --screenshot FILE  save a picture of the dialog (BMP) as the gauge first shows 25 to 75 %% while Start\n"
    "                   runs (builds with windows)\n"
    "  --interactive    show the windows and run until the host window is closed (not with --start)\n";

namespace {

constexpr int32_t kMaxSide = 65535; // what the 16-bit TIFF can hold, and far more than a test needs

std::optional<int32_t> ParsePositive(const std::string& text, int32_t max)
{
    int32_t value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (ec != std::errc() || ptr != end || text.empty() || value < 1 || value > max)
        return std::nullopt;
    return value;
}

class Parser {
public:
    explicit Parser(const std::vector<std::string>& args) : args_(args) {}

    ParsedOptions Run()
    {
        while (pos_ < args_.size() && error_.empty())
            Option(args_[pos_++]);
        if (error_.empty())
            Check();
        if (!error_.empty())
            return {std::nullopt, error_};
        return {options_, {}};
    }

private:
    void Fail(std::string message)
    {
        if (error_.empty())
            error_ = std::move(message);
    }

    // The next argument as the value of option name, or nothing (and an error).
    std::optional<std::string> Value(const std::string& name)
    {
        if (pos_ >= args_.size()) {
            Fail("option " + name + " needs a value");
            return std::nullopt;
        }
        return args_[pos_++];
    }

    void Text(const std::string& name, std::optional<std::string>& slot)
    {
        if (slot) {
            Fail("option " + name + " given twice");
            return;
        }
        slot = Value(name);
    }

    void Flag(const std::string& name, bool& slot)
    {
        if (slot)
            Fail("option " + name + " given twice");
        slot = true;
    }

    void Raw()
    {
        if (options_.raw) {
            Fail("option --raw given twice");
            return;
        }
        if (args_.size() - pos_ < 4) {
            Fail("option --raw needs WIDTH HEIGHT CHANNELS FILE");
            return;
        }
        const auto width = ParsePositive(args_[pos_], kMaxSide);
        const auto height = ParsePositive(args_[pos_ + 1], kMaxSide);
        const auto channels = ParsePositive(args_[pos_ + 2], 3);
        if (!width || !height)
            Fail("--raw: WIDTH and HEIGHT must be whole numbers from 1 to 65535");
        else if (!channels || *channels == 2)
            Fail("--raw: CHANNELS must be 1 or 3");
        else
            options_.raw = RawInput{*width, *height, *channels, args_[pos_ + 3]};
        pos_ += 4;
    }

    void Option(const std::string& arg)
    {
        if (arg == "--help" || arg == "-h")
            options_.help = true;
        else if (arg == "--plugin") {
            if (!options_.plugin.empty())
                return Fail("option --plugin given twice");
            if (auto value = Value(arg))
                options_.plugin = *value;
            if (options_.plugin.empty() && error_.empty())
                Fail("option --plugin needs a non-empty path");
        } else if (arg == "--image")
            Text(arg, options_.image);
        else if (arg == "--raw")
            Raw();
        else if (arg == "--folder")
            Text(arg, options_.folder);
        else if (arg == "--save")
            Text(arg, options_.save);
        else if (arg == "--save-raw")
            Text(arg, options_.saveRaw);
        else if (arg == "--eight-bit")
            Flag(arg, options_.eightBit);
        else if (arg == "--start")
            Flag(arg, options_.start);
        else if (arg == "--print-log")
            Flag(arg, options_.printLog);
        else if (arg == "--print-state")
            Flag(arg, options_.printState);
        else if (arg == "--commands")
            Flag(arg, options_.printCommands);
        else if (arg == "--print-gauge")
            Flag(arg, options_.printGauge);
        else if (arg == "--screenshot")
            Text(arg, options_.screenshot);
        else if (arg == "--interactive")
            Flag(arg, options_.interactive);
        else
            Fail("unknown option '" + arg + "'");
    }

    void Check()
    {
        if (options_.help)
            return;
        if (options_.plugin.empty())
            Fail("option --plugin is required");
        else if (options_.image && options_.raw)
            Fail("--image and --raw cannot be used together");
        else if ((options_.save || options_.saveRaw) && !options_.image && !options_.raw)
            Fail("--save and --save-raw need an image (--image or --raw)");
        else if (options_.interactive && options_.start)
            Fail("--interactive cannot be used with --start");
    }

    const std::vector<std::string>& args_;
    std::size_t pos_ = 0;
    HostOptions options_;
    std::string error_;
};

} // namespace

ParsedOptions ParseOptions(const std::vector<std::string>& args)
{
    return Parser(args).Run();
}

} // namespace kv::host
