// Reading and writing keys of large INI files: the times grow with the file size,
// never with its square.
#include <benchmark/benchmark.h>

#include <string>

#include "ui/ini_text.h"

namespace cw {
namespace {

std::string ListFile(int entries) {
  std::string file = "[列表]\r\n";
  for (int n = 1; n <= entries; ++n)
    file += std::to_string(n) + "=http://site" + std::to_string(n) + ".test/|31\r\n";
  return file;
}

void BM_ReadLastKey(benchmark::State& state) {
  int entries = static_cast<int>(state.range(0));
  std::string file = ListFile(entries);
  std::string key = std::to_string(entries);
  for (auto _ : state) benchmark::DoNotOptimize(IniReadValue(file, "列表", key, ""));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(file.size()));
}
BENCHMARK(BM_ReadLastKey)->RangeMultiplier(10)->Range(100, 100000);

void BM_ReadWholeSection(benchmark::State& state) {
  std::string file = ListFile(static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(IniReadSection(file, "列表"));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(file.size()));
}
BENCHMARK(BM_ReadWholeSection)->RangeMultiplier(10)->Range(100, 100000);

void BM_AddKey(benchmark::State& state) {
  std::string file = ListFile(static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(IniWriteValue(file, "列表", "new", "http://new.test/|31"));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(file.size()));
}
BENCHMARK(BM_AddKey)->RangeMultiplier(10)->Range(100, 100000);

void BM_OneMebibyteLine(benchmark::State& state) {
  std::string file =
      "[s]\r\nbig=" + std::string(1 << 20, '\xB0') + "\r\nk=1\r\n[" + std::string(1 << 20, 'x');
  for (auto _ : state) {
    benchmark::DoNotOptimize(IniReadValue(file, "s", "big", ""));
    benchmark::DoNotOptimize(IniWriteValue(file, "t", "k", "2"));
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * 2 *
                          static_cast<std::int64_t>(file.size()));
}
BENCHMARK(BM_OneMebibyteLine);

}  // namespace
}  // namespace cw
