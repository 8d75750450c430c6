// Single characters through the system's code-page converters (iconv), by
// Windows code-page number: 10000 Mac Roman, 10029 Mac Central European,
// 1250..1258 and others as "CP<n>".
#pragma once

#include <cstdint>

namespace platform {

// The one byte of `code_page` for a UTF-16 value; false when there is none
// (or the code page is unknown).
bool UnicodeToCodePage(uint16_t value, int32_t code_page, uint8_t* byte);
// The UTF-16 value of one byte of `code_page`; false when it has none.
bool CodePageToUnicode(uint8_t byte, int32_t code_page, uint16_t* value);

}  // namespace platform
