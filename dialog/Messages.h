// Every line the dialog writes into its log, in one place.
#pragma once

namespace kv::msg {

// The log's opening lines.
constexpr char16_t kOpening1[] = u"Kelvoran version 2.0.";
constexpr char16_t kOpening2[] = u"It's required a CPU with AVX instructions and Windows 64 bit.";
constexpr char16_t kOpening3[] = u"Before starting, select the folder where Starnet is installed.";

// Start: the image and its range.
constexpr char16_t kPleaseOpenImage[] = u"Please open an image.";
constexpr char16_t kSeemsEightBit[] = u"Image seems only 8 bit, please enable the option below.";
constexpr char16_t kRangeTooLow[] = u"Image range is too low, it must be 16 bits. See docs.";
constexpr char16_t kSeemsNotEightBit[] = u"Please check: Image seems not 8 bit.";
constexpr char16_t kNoImageData[] = u"ERROR: The host gave no image data.";

// The tool runner.
constexpr char16_t kPathHasSpaces[] = u"ERROR: The path cannot contain spaces";
// Followed by the character itself.
constexpr char16_t kPathHasCharacter[] = u"ERROR: The path cannot contain the character ";
constexpr char16_t kPathHasControl[] = u"ERROR: The path cannot contain control characters";
// Followed directly by the folder.
constexpr char16_t kToolNotFound[] = u"ERROR: Starnet++ 2.0 not found in: \r";
constexpr char16_t kOpeningTool[] = u"Opening Starnet++ ...";
constexpr char16_t kSmallImage[] = u"WARNING: Minimum image size is 512x512 pixels.";
constexpr char16_t kCannotLaunch[] = u"ERROR: cannot launch Starnet++";
constexpr char16_t kCannotCommunicate[] = u"ERROR: cannot communicate with Starnet++";

// The exchange files. kCannotWrite is followed by the file's path.
constexpr char16_t kCannotWrite[] = u"ERROR: Cannot write the temporary image ";
constexpr char16_t kNoResult[] = u"ERROR: Starnet++ wrote no result; the image is unchanged.";
constexpr char16_t kResultUnreadable[] = u"ERROR: The result cannot be read; the image is unchanged.";
constexpr char16_t kResultWrongType[] = u"ERROR: The result is not a 16-bit image; the image is unchanged.";
constexpr char16_t kResultWrongSize[] = u"ERROR: The result has another size than the image; the image is unchanged.";
constexpr char16_t kResultCutShort[] = u"ERROR: The result is incomplete; the image is unchanged.";

} // namespace kv::msg
