// Names and codes shared by the whole document model: ids, box kinds,
// character codes with a meaning to the host, attribute kinds and results.
#pragma once

#include <array>
#include <cstdint>

namespace wirsel::model {

// Boxes and stories are addressed by ids, unique within one document; 0 is
// "none". Ids never change while a document is open and are kept by the
// JSON format.
using BoxId = uint32_t;
using StoryId = uint32_t;
inline constexpr BoxId kNoBox = 0;
inline constexpr StoryId kNoStory = 0;

enum class BoxKind : uint8_t { kText, kPicture, kGroup };

// Character codes the host gives a meaning.
inline constexpr char16_t kParagraphEnd = 13;
inline constexpr char16_t kLineFeed = 10;
inline constexpr char16_t kDiscretionaryHyphen = 31;
inline constexpr char16_t kSoftHyphen = 0xAD;
inline constexpr char16_t kNoBreakSpace = 0xA0;
inline constexpr char16_t kSpace = 32;
// Stands in the story where an inline box is anchored.
inline constexpr char16_t kAnchorChar = 0xFFFC;

// Every character carries one 32-bit attribute word per kind. Kind 2 holds
// the style flags; its flag 0x80 is the non-breaking mark.
inline constexpr int kAttributeKinds = 8;
inline constexpr int kStyleKind = 2;
inline constexpr uint32_t kNonBreakingFlag = 0x80;
using CharAttributes = std::array<uint32_t, kAttributeKinds>;

// Tools of the host.
inline constexpr int16_t kContentTool = 1;
inline constexpr int16_t kItemTool = 2;

// Outcome of a model operation. Bad ids and positions are refused with a
// result, never trusted.
enum class Result : int32_t {
  kOk = 0,
  kNoSuchBox,
  kNoSuchStory,
  kBadPosition,    // outside 0..length, or start > end
  kNotTextBox,
  kWrongPlacement, // the box is not where the operation needs it
  kIdTaken,
  kTooLong,        // a story would exceed kMaxStoryLength
  kBadValue,       // an argument out of its range (tool, attribute kind, H&J index)
  kNoDocument,
};

// Stories hold at most this many characters, so positions fit in int32_t.
inline constexpr int32_t kMaxStoryLength = 0x3FFFFFFF;

}  // namespace wirsel::model
