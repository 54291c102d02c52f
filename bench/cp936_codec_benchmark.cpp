// The codec at edit-box scale and far beyond: random bytes (about half lead bytes, many
// stand-ins) and text that is all double-byte characters.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <random>
#include <string>

#include "core/codec/cp936_codec.h"
#include "random_bytes.h"

namespace shiftpad {
namespace {

constexpr std::int64_t MiB1 = 1 << 20;

// Pairs from the GB2312 hanzi rows B0-F7, trails A1-FE: every pair a character.
std::string chinese_bytes(std::size_t length) {
  std::mt19937 random(2);
  std::string bytes;
  bytes.reserve(length);
  while (bytes.size() + 2 <= length) {
    bytes.push_back(static_cast<char>(0xB0 + random() % 0x48));
    bytes.push_back(static_cast<char>(0xA1 + random() % 0x5E));
  }
  return bytes;
}

template <std::string (*make)(std::size_t)>
void BM_decode(benchmark::State& state) {
  const std::string bytes = make(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) {
    std::u16string text = decode_cp936(bytes);
    benchmark::DoNotOptimize(text.data());
  }
  state.SetBytesProcessed(state.iterations() * state.range(0));
}

template <std::string (*make)(std::size_t)>
void BM_encode(benchmark::State& state) {
  const std::u16string text = decode_cp936(make(static_cast<std::size_t>(state.range(0))));
  for (auto _ : state) {
    std::string bytes = encode_cp936(text);
    benchmark::DoNotOptimize(bytes.data());
  }
  state.SetBytesProcessed(state.iterations() * state.range(0));
}

BENCHMARK(BM_decode<random_bytes>)->Name("BM_decode_random")->Arg(MiB1);
BENCHMARK(BM_decode<chinese_bytes>)->Name("BM_decode_chinese")->Arg(MiB1);
BENCHMARK(BM_encode<random_bytes>)->Name("BM_encode_random")->Arg(MiB1);
BENCHMARK(BM_encode<chinese_bytes>)->Name("BM_encode_chinese")->Arg(MiB1);

}  // namespace
}  // namespace shiftpad

BENCHMARK_MAIN();
