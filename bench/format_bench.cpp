// Throughput of formatted input and output: a 200 × 200 matrix written with
// (10F8.4), 20 lines per row and 4,000 lines in all, read back from memory.
#include <benchmark/benchmark.h>

#include <sstream>
#include <string>
#include <vector>

#include "format/format.h"

namespace {

constexpr int kSize = 200;

std::vector<float> matrix() {
  std::vector<float> values(kSize * kSize);
  for (int i = 0; i < kSize * kSize; ++i)
    values[i] = static_cast<float>((i * 7919) % 100000) / 1000.0f;
  return values;
}

std::string writeMatrix(const std::vector<float>& values) {
  std::ostringstream out;
  format::RecordSink sink(out);
  const format::Format& format = format::Format::cached("(10F8.4)");
  for (int row = 0; row < kSize; ++row) {
    const format::Value value = format::Value::reals(&values[row * kSize], kSize);
    format::FMTWR(sink, format, {&value, 1});
  }
  return out.str();
}

void BM_ReadMatrix(benchmark::State& state) {
  const std::string text = writeMatrix(matrix());
  std::vector<float> values(kSize * kSize);
  const format::Format& format = format::Format::cached("(10F8.4)");
  for (auto _ : state) {
    std::istringstream in(text);
    format::RecordSource source(in);
    for (int row = 0; row < kSize; ++row) {
      const format::Item item = format::Item::reals(&values[row * kSize], kSize);
      if (format::FMTRD(source, format, {&item, 1}) != format::ReadStatus::Ok)
        state.SkipWithError("read failed");
    }
    benchmark::DoNotOptimize(values.data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                          static_cast<int64_t>(text.size()));
}
BENCHMARK(BM_ReadMatrix)->Unit(benchmark::kMillisecond);

void BM_WriteMatrix(benchmark::State& state) {
  const std::vector<float> values = matrix();
  size_t bytes = 0;
  for (auto _ : state) {
    std::string text = writeMatrix(values);
    bytes = text.size();
    benchmark::DoNotOptimize(text.data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(bytes));
}
BENCHMARK(BM_WriteMatrix)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
