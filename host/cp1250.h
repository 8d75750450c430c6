// Interface texts cross the plug-in boundary as Windows-1250; the terminal,
// scripts and command line speak UTF-8. These two functions are the only
// place where the host converts between them.
#pragma once

#include <string>
#include <string_view>

// Every byte has a reading: the five bytes Windows-1250 leaves undefined
// (0x81 0x83 0x88 0x90 0x98) read as the code point of the same value.
std::string Win1250ToUtf8(std::string_view text);

// Characters without a Windows-1250 byte, and bytes that are not valid UTF-8,
// become '?'.
std::string Utf8ToWin1250(std::string_view text);
