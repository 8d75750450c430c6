// The host's line composer: breaks paragraphs into lines of at most a given
// number of characters, filling each line greedily and breaking a word that
// does not fit at the last break point its hyphenation method allows.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// Break points of one word: positions (characters before the break), any
// order; the composer ignores positions outside 1..length-1.
using BreakPointSource = std::function<std::vector<uint16_t>(std::u16string_view word)>;

// The discretionary hyphens a story may hold: they are not shown, and every
// one is a break point of its word.
inline constexpr char16_t kStoryDiscretionaryHyphen = 31;
inline constexpr char16_t kSoftHyphen = 0x00AD;

// The lines of one paragraph (no paragraph end in it). Words are separated by
// blanks; a line broken inside a word ends in "-" unless the word already
// has a hard hyphen there. A word that fits no line and has no usable break
// point is cut at the width. A width below 2 is taken as 2.
std::vector<std::u16string> ComposeParagraph(std::u16string_view paragraph, size_t width,
                                             const BreakPointSource& break_points);
