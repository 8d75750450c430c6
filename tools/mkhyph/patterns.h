// Reading Liang hyphenation patterns (the hyphen package's .dic format,
// ISO-8859-2) into pattern codes with their inter-letter values.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct Pattern {
  std::vector<uint8_t> codes;   // m pattern codes; "." stands for a word boundary
  std::vector<uint8_t> values;  // m + 1 values: values[i] belongs before codes[i]
};

// Takes the next line, without its '\n', off the front of `text`.
std::string_view TakeLine(std::string_view& text);

// Parses the whole file: the first line names the character set and is
// skipped; every other non-empty line is one pattern. Directives, comments,
// characters outside the Polish alphabet, values of two digits and boundary
// marks inside a pattern are refused: false with *error naming the line.
bool ParsePatterns(std::string_view text, std::vector<Pattern>* patterns, std::string* error);
