// Every bilingual dialog's resources are written once, with the English and
// the Polish text of every item side by side; the two dialog resources (the
// English one and its Polish twin at the number plus 100) are made from that
// one table and registered by one static TwinDialog.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "dialogs/resources.h"
#include "xtapi/xtapi.h"

struct TwinItem {
  int16_t id;
  int16_t kind;
  int16_t group;
  const char* english;  // stored texts (MACCE)
  const char* polish;
};

// `Row` is TwinItem or another row with its five fields.
template <typename Row, size_t N>
constexpr std::array<xt_dialog_item_def, N> TwinItems(const Row (&items)[N], bool polish) {
  std::array<xt_dialog_item_def, N> out{};
  for (size_t i = 0; i < N; ++i) {
    out[i] = {items[i].id, items[i].kind, items[i].group, 0,
              polish ? items[i].polish : items[i].english};
  }
  return out;
}

inline constexpr int16_t kPolishTwinOffset = 100;

// The English dialog `number` and its Polish twin, made from one table of
// items and registered for as long as the object lives. A file that defines a
// dialog holds one as a static object:
//   const TwinDialog kResources(kMyDialog, MACCE("Title"), MACCE("Tytuł"), kItems);
template <size_t N>
class TwinDialog {
 public:
  template <typename Row>
  TwinDialog(int16_t number, const char* english_title, const char* polish_title,
             const Row (&items)[N])
      : english_items_(TwinItems(items, false)),
        polish_items_(TwinItems(items, true)),
        english_{number, kCount, english_title, english_items_.data()},
        polish_{static_cast<int16_t>(number + kPolishTwinOffset), kCount, polish_title,
                polish_items_.data()},
        english_registration_(english_),
        polish_registration_(polish_) {}
  TwinDialog(const TwinDialog&) = delete;
  TwinDialog& operator=(const TwinDialog&) = delete;

 private:
  static constexpr int16_t kCount = static_cast<int16_t>(N);
  const std::array<xt_dialog_item_def, N> english_items_;
  const std::array<xt_dialog_item_def, N> polish_items_;
  const xt_dialog_def english_;
  const xt_dialog_def polish_;
  const DialogResourceRegistration english_registration_;
  const DialogResourceRegistration polish_registration_;
};
