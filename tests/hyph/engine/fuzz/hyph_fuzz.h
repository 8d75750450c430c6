// One fuzz entry for the readers of bytes from files: the bytes are taken as
// a PLHYPH.DAT (container reader, resource checks, then hyph_word on words
// cut from the same bytes) and as a PLHYPH.USR (user list reader).
#pragma once

#include <cstddef>
#include <cstdint>

void HyphFuzzOne(const uint8_t* data, size_t size);
