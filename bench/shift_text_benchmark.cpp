// The transform's throughput beside a plain copy of the same bytes, and beside the
// literal algorithm it replaces.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "core/cipher/shift_kernels.h"
#include "core/cipher/shift_text.h"
#include "core/cipher/shift_text_reference.h"
#include "core/text/text_allocator.h"
#include "random_bytes.h"

namespace shiftpad {
namespace {

ByteText random_text(const benchmark::State& state) {
  return ByteText::copy_of(random_bytes(static_cast<std::size_t>(state.range(0))));
}

void set_bytes_processed(benchmark::State& state) {
  state.SetBytesProcessed(state.iterations() * state.range(0));
}

// Hands the block released last back to the next request of the same size. A run then
// writes into memory that is already mapped, as the copy does, instead of timing the
// system mapping fresh pages, which the C heap does for every block past 32 MiB.
class ReusingAllocator final : public TextAllocator {
 public:
  ReusingAllocator() : previous_(set_text_allocator(this)) {}
  ~ReusingAllocator() override {
    set_text_allocator(previous_);
    std::free(spare_);
  }
  ReusingAllocator(const ReusingAllocator&) = delete;
  ReusingAllocator& operator=(const ReusingAllocator&) = delete;

  void* try_allocate(std::size_t size) override {
    if (spare_ != nullptr && spare_size_ == size) {
      return std::exchange(spare_, nullptr);
    }
    std::free(spare_);
    spare_ = nullptr;
    last_size_ = size;
    return std::malloc(size);
  }
  void release(void* block) override {
    std::free(spare_);
    spare_ = block;
    spare_size_ = last_size_;
  }

 private:
  TextAllocator* previous_;
  void* spare_ = nullptr;
  std::size_t spare_size_ = 0;
  std::size_t last_size_ = 0;
};

void BM_memcpy(benchmark::State& state) {
  const ByteText input = random_text(state);
  std::vector<char> copy(input.bytes().size() + 1);
  for (auto _ : state) {  // NOLINT(clang-analyzer-deadcode.DeadStores): the loop idiom
    std::memcpy(copy.data(), input.c_str(), copy.size());
    benchmark::DoNotOptimize(copy.data());
    benchmark::ClobberMemory();
  }
  set_bytes_processed(state);
}

template <ByteText (*transform)(const ByteText&, ShiftDirection)>
void run_transform(benchmark::State& state) {
  const ByteText input = random_text(state);
  // One untimed run first: with the reusing allocator it maps the output block, so that
  // no timed run pays for fresh pages.
  benchmark::DoNotOptimize(transform(input, ShiftDirection::Encrypt).c_str());
  for (auto _ : state) {  // NOLINT(clang-analyzer-deadcode.DeadStores): the loop idiom
    ByteText result = transform(input, ShiftDirection::Encrypt);
    benchmark::DoNotOptimize(result.c_str());
  }
  set_bytes_processed(state);
}

void BM_shift_text(benchmark::State& state) {
  const ReusingAllocator allocator;
  run_transform<shift_text>(state);
}

// The same with the C heap, fresh pages and all, as the program runs it.
void BM_shift_text_fresh_pages(benchmark::State& state) { run_transform<shift_text>(state); }

void BM_shift_text_reference(benchmark::State& state) {
  run_transform<shift_text_reference>(state);
}

// Each kernel alone, without the length scan and the allocation around it.
template <shift_kernels::Kernel kernel>
void BM_kernel(benchmark::State& state) {
  const std::string input = random_bytes(static_cast<std::size_t>(state.range(0)));
  std::vector<char> output(input.size());
  for (auto _ : state) {  // NOLINT(clang-analyzer-deadcode.DeadStores): the loop idiom
    benchmark::DoNotOptimize(kernel(input.data(), input.size(), 1, 1, output.data()));
    benchmark::ClobberMemory();
  }
  set_bytes_processed(state);
}

constexpr std::int64_t KiB = 1 << 10;
constexpr std::int64_t MiB = 1 << 20;

BENCHMARK(BM_memcpy)->Arg(64)->Arg(4 * KiB)->Arg(MiB)->Arg(64 * MiB);
BENCHMARK(BM_shift_text)->Arg(64)->Arg(4 * KiB)->Arg(64 * KiB)->Arg(MiB)->Arg(64 * MiB);
BENCHMARK(BM_shift_text_fresh_pages)->Arg(MiB)->Arg(64 * MiB);
BENCHMARK(BM_shift_text_reference)->Arg(64)->Arg(4 * KiB)->Arg(64 * KiB);
BENCHMARK(BM_kernel<shift_kernels::shift_scalar>)
    ->Name("BM_kernel_scalar")
    ->Arg(MiB)
    ->Arg(64 * MiB);
#if defined(__SSE2__)
BENCHMARK(BM_kernel<shift_kernels::shift_sse2>)->Name("BM_kernel_sse2")->Arg(MiB)->Arg(64 * MiB);
#endif
#if defined(SHIFTPAD_HAVE_AVX512_KERNEL)
const bool avx512_registered = [] {
  if (shift_kernels::avx512_kernel_runs_here()) {
    benchmark::RegisterBenchmark("BM_kernel_avx512", BM_kernel<shift_kernels::shift_avx512>)
        ->Arg(MiB)
        ->Arg(64 * MiB);
  }
  return true;
}();
#endif
#if defined(SHIFTPAD_HAVE_AVX2_KERNEL)
const bool avx2_registered = [] {
  if (shift_kernels::avx2_kernel_runs_here()) {
    benchmark::RegisterBenchmark("BM_kernel_avx2", BM_kernel<shift_kernels::shift_avx2>)
        ->Arg(MiB)
        ->Arg(64 * MiB);
  }
  return true;
}();
#endif

}  // namespace
}  // namespace shiftpad

BENCHMARK_MAIN();
