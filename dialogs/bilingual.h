// The typography dialogs' resources are written once, with the English and
// the Polish text of every item side by side; the two dialog resources (the
// English one and its Polish twin at the number plus 100) are made from
// that one table at compile time.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "xtapi/xtapi.h"

struct TwinItem {
  int16_t id;
  int16_t kind;
  int16_t group;
  const char* english;  // stored texts (MACCE)
  const char* polish;
};

template <size_t N>
constexpr std::array<xt_dialog_item_def, N> TwinItems(const TwinItem (&items)[N], bool polish) {
  std::array<xt_dialog_item_def, N> out{};
  for (size_t i = 0; i < N; ++i) {
    out[i] = {items[i].id, items[i].kind, items[i].group, 0,
              polish ? items[i].polish : items[i].english};
  }
  return out;
}

inline constexpr int16_t kPolishTwinOffset = 100;
