// Foundation speed: display conversion of menu texts (every menu update),
// story characters to Windows-1250, table lookups and settings reads.
#include <benchmark/benchmark.h>
#include <stdio.h>
#include <stdlib.h>
#include <unistd.h>

#include <string>

#include "base/charset.h"
#include "base/macce.h"
#include "base/xtl_array.h"
#include "platform/ini.h"

namespace {

void BM_ToWindowsTextMenuItem(benchmark::State& state) {
  const char* text = MACCE("Usuń dywizy z ramki");
  for (auto _ : state) benchmark::DoNotOptimize(ToWindowsText(text));
}
BENCHMARK(BM_ToWindowsTextMenuItem);

void BM_UnicodeToWin1250Story(benchmark::State& state) {
  std::u16string story;
  for (int i = 0; i < 1000; ++i) story += u"Zażółć gęślą jaźń „cytat” — ";
  for (auto _ : state) {
    unsigned sum = 0;
    for (char16_t c : story) sum += UnicodeToWin1250(c);
    benchmark::DoNotOptimize(sum);
  }
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * story.size()));
}
BENCHMARK(BM_UnicodeToWin1250Story);

struct Entry {
  int32_t key;
  char text[60];
};

void BM_XTLArrayFindSorted(benchmark::State& state) {
  XTTArray<int32_t> keys(0, nullptr, true);
  for (int32_t i = 0; i < state.range(0); ++i) keys.Append(i * 7919 % 100003);
  int32_t probe = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(keys.Find(probe));
    probe = (probe + 7919) % 100003;
  }
}
BENCHMARK(BM_XTLArrayFindSorted)->Arg(100)->Arg(10000);

void BM_XTLArrayAppendRecords(benchmark::State& state) {
  for (auto _ : state) {
    XTTArray<Entry> table;
    Entry entry = {};
    for (int32_t i = 0; i < state.range(0); ++i) {
      entry.key = i;
      table.Append(entry);
    }
    benchmark::DoNotOptimize(table.Count());
  }
}
BENCHMARK(BM_XTLArrayAppendRecords)->Arg(1000);

void BM_IniReadOption(benchmark::State& state) {
  // A private folder, so that runs side by side never share the file.
  const char* tmp = getenv("TMPDIR");
  std::string folder = std::string(tmp && *tmp ? tmp : "/tmp") + "/wirsel-bench.XXXXXX";
  if (!mkdtemp(folder.data())) {
    state.SkipWithError("cannot create a temporary folder");
    return;
  }
  const std::string settings = folder + "/settings.ini";
  const char* path = settings.c_str();
  std::string content;
  for (const char* section : {"1Dzielenie", "1Slownik", "1Typografia"}) {
    content += std::string("[") + section + "]\r\n";
    for (int i = 0; i < 15; ++i) content += std::to_string(i) + "Opcja=" + std::to_string(i * 3) + "\r\n";
  }
  FILE* file = fopen(path, "wb");
  if (!file) {
    state.SkipWithError("cannot write the settings file");
    rmdir(folder.c_str());
    return;
  }
  fwrite(content.data(), 1, content.size(), file);
  fclose(file);
  char out[256];
  for (auto _ : state) {
    benchmark::DoNotOptimize(platform::IniRead(path, "1Typografia", "14Opcja", "", out, sizeof out));
  }
  unlink(path);
  rmdir(folder.c_str());
}
BENCHMARK(BM_IniReadOption);

}  // namespace
