// Times whole korva runs of the workbench's analysis script on distance
// matrices of n = 50, 100 and 200 observations (random points in four
// variables, city-block distances, "(10F8.4)"): wall time and peak memory.
// Usage: korva_bench [program directory] [runs]
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "bench_support.h"

namespace {

namespace fs = std::filesystem;

void writeMatrix(const fs::path& path, int n) {
  constexpr int kVariables = 4;
  bench::Values values(7);
  std::vector<double> x(static_cast<size_t>(n * kVariables));
  for (double& v : x) v = values.next();
  std::ofstream out(path, std::ios::binary);
  char field[16];
  for (int i = 0; i < n; ++i) {
    for (int j = 0; j < n; ++j) {
      double d = 0.0;
      for (int k = 0; k < kVariables; ++k)
        d += std::fabs(x[i * kVariables + k] - x[j * kVariables + k]);
      std::snprintf(field, sizeof field, "%8.4f", d);
      out << field;
      if ((j + 1) % 10 == 0 || j + 1 == n) out << "\r\n";
    }
  }
}

struct Measure {
  double ms = -1.0;    // wall time
  double cpuMs = 0.0;  // user and system time of the process
  long peakKb = 0;
};

// One run of korva in DIR with the script on standard input.
Measure timedRun(const fs::path& korva, const fs::path& dir) {
  Measure m;
  const auto start = std::chrono::steady_clock::now();
  const pid_t pid = fork();
  if (pid == 0) {
    if (chdir(dir.c_str()) != 0) _exit(127);
    const int in = open("script.dsk", O_RDONLY);
    const int null = open("/dev/null", O_WRONLY);
    dup2(in, 0);
    dup2(null, 1);
    dup2(null, 2);
    execl(korva.c_str(), korva.c_str(), "listing.lst", static_cast<char*>(nullptr));
    _exit(127);
  }
  int status = 0;
  struct rusage usage {};
  wait4(pid, &status, 0, &usage);
  const std::chrono::duration<double, std::milli> elapsed =
      std::chrono::steady_clock::now() - start;
  if (WIFEXITED(status) && WEXITSTATUS(status) == 0 && fs::exists(dir / "__trel3")) {
    m.ms = elapsed.count();
    m.cpuMs = (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
              (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
    m.peakKb = usage.ru_maxrss;
  }
  return m;
}

}  // namespace

int main(int argc, char** argv) {
  const fs::path bin = fs::absolute(argc > 1 ? fs::path(argv[1]) : fs::path(BRIX_BIN_DIR));
  const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 10;
  const fs::path dir = fs::temp_directory_path() / ("korva-bench-" + std::to_string(getpid()));
  int failures = 0;
  for (int n : {50, 100, 200}) {
    fs::create_directories(dir);
    writeMatrix(dir / "__trel2", n);
    bench::writeWorkbenchScript(dir / "script.dsk", n);
    std::vector<double> times, cpu;
    long peak = 0;
    for (int r = 0; r < runs; ++r) {
      fs::remove(dir / "__trel3");
      const Measure m = timedRun(bin / "korva", dir);
      if (m.ms < 0) break;
      times.push_back(m.ms);
      cpu.push_back(m.cpuMs);
      peak = std::max(peak, m.peakKb);
    }
    if (times.size() != static_cast<size_t>(runs)) {
      std::printf("korva n = %3d: the run failed\n", n);
      ++failures;
    } else {
      std::sort(times.begin(), times.end());
      std::sort(cpu.begin(), cpu.end());
      std::printf(
          "korva n = %3d: wall best %7.2f ms, median %7.2f ms; cpu best %7.2f ms; peak memory %6ld "
          "KB"
          " (%d runs)\n",
          n, times.front(), times[times.size() / 2], cpu.front(), peak, runs);
    }
    fs::remove_all(dir);
  }
  return failures == 0 ? 0 : 1;
}
