// Time of one whole MATRINP section as the workbench writes it, on a 200 x 200
// matrix file in "(10F8.4)" (20 lines per row): sentences, file checks,
// reading and closing. Reading the script into symbols is left out.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "engine/globals/engine_state.h"
#include "engine/util/matrinp.h"
#include "engine/util/reader.h"

namespace {

namespace fs = std::filesystem;

constexpr int kSize = 200;

void writeMatrix(const fs::path& path) {
  std::ofstream out(path, std::ios::binary);
  char field[16];
  for (int i = 1; i <= kSize; ++i)
    for (int j = 1; j <= kSize; ++j) {
      std::snprintf(field, sizeof field, "%8.4f", (i * 37 + j * 11) % 1000 / 100.0);
      out << field << (j % 10 == 0 ? "\r\n" : "");
    }
}

void BM_MatrinpSection(benchmark::State& state) {
  std::string templ = (fs::temp_directory_path() / "datainput-bench-XXXXXX").string();
  const fs::path dir = mkdtemp(templ.data());
  writeMatrix(dir / "__trel2");
  const fs::path home = fs::current_path();
  fs::current_path(dir);
  const std::string script =
      "$MATRINP NAMES= X1 TO X200 ;\nFILE= '__trel2';\nFORMAT = '(10F8.4)';\n$END\n";
  for (auto _ : state) {
    state.PauseTiming();
    std::istringstream in(script);
    std::ostringstream out;
    auto st = std::make_unique<engine::EngineState>(in, out, nullptr);
    engine::DRKSET(*st);
    st->SYMTAB.IPOS = 3;  // the first sentence, after "$" MATRINP
    state.ResumeTiming();
    engine::MATRINP(*st);
    benchmark::DoNotOptimize(st->MATINP.element(kSize, kSize));
  }
  fs::current_path(home);
  fs::remove_all(dir);
}
BENCHMARK(BM_MatrinpSection)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
