// Every text the dialog shows the user: its log lines and its error boxes, in
// one table, so that the read-me's troubleshooting table can be checked
// against it.
#pragma once

#include <span>
#include <string_view>

namespace kv::messages {

// Opening lines of the log.
inline constexpr char16_t kOpening1[] = u"Kelvoran version 2.0.";
inline constexpr char16_t kOpening2[] = u"It's required a CPU with AVX instructions and Windows 64 bit.";
inline constexpr char16_t kOpening3[] = u"Before starting, select the folder where Starnet is installed.";

// Start: the image checks.
inline constexpr char16_t kPleaseOpenImage[] = u"Please open an image.";
inline constexpr char16_t kSeemsEightBit[] = u"Image seems only 8 bit, please enable the option below.";
inline constexpr char16_t kRangeTooLow[] = u"Image range is too low, it must be 16 bits. See docs.";
inline constexpr char16_t kSeemsNotEightBit[] = u"Please check: Image seems not 8 bit.";

// The tool runner.
inline constexpr char16_t kPathHasSpaces[] = u"ERROR: The path cannot contain spaces";
inline constexpr char16_t kToolNotFoundIn[] = u"ERROR: Starnet++ 2.0 not found in: \r"; // followed by the folder
inline constexpr char16_t kOpeningTool[] = u"Opening Starnet++ ...";
inline constexpr char16_t kImageTooSmall[] = u"WARNING: Minimum image size is 512x512 pixels.";
inline constexpr char16_t kCannotLaunch[] = u"ERROR: cannot launch Starnet++";
inline constexpr char16_t kCannotCommunicate[] = u"ERROR: cannot communicate with Starnet++";

// Help and the folder button.
inline constexpr char16_t kBrowseTitle[] = u"Startnet++ installation folder";
inline constexpr char16_t kReadmeFileName[] = u"Kelvoran-readme.htm";
inline constexpr char16_t kErrorCaption[] = u"Error";
inline constexpr char16_t kReadmeMissing[] =
    u"\"Kelvoran-readme.htm\" not found.\rYou may find this file inside the zip archive.";
inline constexpr char16_t kCannotOpenDocument[] = u"Cannot open document.";
inline constexpr char16_t kShellVerbOpen[] = u"open";

enum class Where {
    Log,         // a line of the log
    LogPrefix,   // the start of a log line that goes on with a folder or a name
    ErrorBox,    // the text of an "Error" box
};

struct UserMessage {
    std::u16string_view text;
    Where where;
};

// Everything the user can be shown, for the read-me's troubleshooting table.
inline constexpr UserMessage kUserMessages[] = {
    {kOpening1, Where::Log},
    {kOpening2, Where::Log},
    {kOpening3, Where::Log},
    {kPleaseOpenImage, Where::Log},
    {kSeemsEightBit, Where::Log},
    {kRangeTooLow, Where::Log},
    {kSeemsNotEightBit, Where::Log},
    {kPathHasSpaces, Where::Log},
    {kToolNotFoundIn, Where::LogPrefix},
    {kOpeningTool, Where::Log},
    {kImageTooSmall, Where::Log},
    {kCannotLaunch, Where::Log},
    {kCannotCommunicate, Where::Log},
    {kReadmeMissing, Where::ErrorBox},
    {kCannotOpenDocument, Where::ErrorBox},
};

} // namespace kv::messages
