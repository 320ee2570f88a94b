// Every text the dialog shows the user, its log lines and its error boxes, in
// one table, so that the read-me's troubleshooting table can be checked
// against it.
#pragma once

#include <string_view>

namespace kv::msg {

// The log's opening lines.
inline constexpr char16_t kOpening1[] = u"Kelvoran version 2.0.";
inline constexpr char16_t kOpening2[] = u"It's required a CPU with AVX instructions and Windows 64 bit.";
inline constexpr char16_t kOpening3[] = u"Before starting, select the folder where Starnet is installed.";

// Start: the image and its range.
inline constexpr char16_t kPleaseOpenImage[] = u"Please open an image.";
inline constexpr char16_t kSeemsEightBit[] = u"Image seems only 8 bit, please enable the option below.";
inline constexpr char16_t kRangeTooLow[] = u"Image range is too low, it must be 16 bits. See docs.";
inline constexpr char16_t kSeemsNotEightBit[] = u"Please check: Image seems not 8 bit.";
inline constexpr char16_t kNoImageData[] = u"ERROR: The host gave no image data.";

// The tool runner.
inline constexpr char16_t kPathHasSpaces[] = u"ERROR: The path cannot contain spaces";
// Followed by the character itself.
inline constexpr char16_t kPathHasCharacter[] = u"ERROR: The path cannot contain the character ";
inline constexpr char16_t kPathHasControl[] = u"ERROR: The path cannot contain control characters";
// Followed directly by the folder.
inline constexpr char16_t kToolNotFound[] = u"ERROR: Starnet++ 2.0 not found in: \r";
inline constexpr char16_t kOpeningTool[] = u"Opening Starnet++ ...";
inline constexpr char16_t kSmallImage[] = u"WARNING: Minimum image size is 512x512 pixels.";
inline constexpr char16_t kCannotLaunch[] = u"ERROR: cannot launch Starnet++";
inline constexpr char16_t kCannotCommunicate[] = u"ERROR: cannot communicate with Starnet++";

// The exchange files. kCannotWrite is followed by the file's path.
inline constexpr char16_t kCannotWrite[] = u"ERROR: Cannot write the temporary image ";
inline constexpr char16_t kNoResult[] = u"ERROR: Starnet++ wrote no result; the image is unchanged.";
inline constexpr char16_t kResultUnreadable[] = u"ERROR: The result cannot be read; the image is unchanged.";
inline constexpr char16_t kResultWrongType[] = u"ERROR: The result is not a 16-bit image; the image is unchanged.";
inline constexpr char16_t kResultWrongSize[] =
    u"ERROR: The result has another size than the image; the image is unchanged.";
inline constexpr char16_t kResultCutShort[] = u"ERROR: The result is incomplete; the image is unchanged.";
// FreeImage missing or incomplete (the reader's own line, which goes on with the DLL's name).
inline constexpr char16_t kFreeImageProblem[] = u"ERROR: FreeImage";

// Help and the folder button.
inline constexpr char16_t kBrowseTitle[] = u"Startnet++ installation folder";
inline constexpr char16_t kReadmeFileName[] = u"Kelvoran-readme.htm";
inline constexpr char16_t kErrorCaption[] = u"Error";
inline constexpr char16_t kReadmeMissing[] =
    u"\"Kelvoran-readme.htm\" not found.\rYou may find this file inside the zip archive.";
inline constexpr char16_t kCannotOpenDocument[] = u"Cannot open document.";
inline constexpr char16_t kShellVerbOpen[] = u"open";

enum class Where {
    Log,       // a line of the log
    LogPrefix, // the start of a log line that goes on with a folder, a name or a character
    ErrorBox,  // the text of an "Error" box
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
    {kNoImageData, Where::Log},
    {kPathHasSpaces, Where::Log},
    {kPathHasCharacter, Where::LogPrefix},
    {kPathHasControl, Where::Log},
    {kToolNotFound, Where::LogPrefix},
    {kOpeningTool, Where::Log},
    {kSmallImage, Where::Log},
    {kCannotLaunch, Where::Log},
    {kCannotCommunicate, Where::Log},
    {kCannotWrite, Where::LogPrefix},
    {kNoResult, Where::Log},
    {kResultUnreadable, Where::Log},
    {kResultWrongType, Where::Log},
    {kResultWrongSize, Where::Log},
    {kResultCutShort, Where::Log},
    {kFreeImageProblem, Where::LogPrefix},
    {kReadmeMissing, Where::ErrorBox},
    {kCannotOpenDocument, Where::ErrorBox},
};

} // namespace kv::msg
