// Fuzz target for the host's word walker: any bytes as UTF-8 and as UTF-16,
// every word inside the text and in order (clang's libFuzzer only):
//   build-x/bin/prose_words_fuzz
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "base/prose_words.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view utf8(reinterpret_cast<const char*>(data), size);
  size_t end = 0;
  for (const ProseWord& word : ProseWordsOf(utf8)) {
    if (word.start < end || word.end <= word.start || word.end > size || word.text.empty()) {
      std::abort();
    }
    end = word.end;
  }
  std::u16string utf16(size / 2, u'\0');
  for (size_t i = 0; i < utf16.size(); ++i) utf16[i] = char16_t(data[2 * i] | data[2 * i + 1] << 8);
  ProseWalker walker{std::u16string_view(utf16)};
  end = 0;
  for (ProseWord word; walker.Next(word);) {
    if (word.start16 < end || word.end16 <= word.start16 || word.end16 > utf16.size()) std::abort();
    end = word.end16;
  }
  (void)ProseNormalForm(utf8);
  return 0;
}
