// Times the console pipeline as whole programs: trel alone on a table of
// 255 x 255, and the pipeline script on a table of 200 x 30 (or trel and
// fendex alone, said so, while the engine cannot run the script yet).
// Usage: pipeline_bench [program directory] [runs]
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "bench_support.h"

namespace {

namespace fs = std::filesystem;

// A preprocessor input of n observations and k variables in f6.2 fields.
void writeInput(const fs::path& path, int n, int k) {
  std::ofstream out(path, std::ios::binary);
  char line[32];
  std::snprintf(line, sizeof line, "%3d%3d%3d        bench", n, k, 1);
  out << line << "\r\n(" << k << "f6.2)\r\n";
  bench::Values values(42);
  for (int i = 0; i < n; ++i) {
    for (int j = 0; j < k; ++j) {
      std::snprintf(line, sizeof line, "%6.2f", 100 * values.next());
      out << line;
    }
    out << "\r\n";
  }
}

// Coordinates of n points, as the engine writes them, for timing fendex alone.
void writeCoordinates(const fs::path& path, int n) {
  std::ofstream out(path, std::ios::binary);
  bench::Values values(42);
  char line[32];
  for (int i = 0; i < n; ++i) {
    std::snprintf(line, sizeof line, "%7.2f%7.2f", 100 * values.next(), 100 * values.next());
    out << line << "\r\n";
  }
}

struct Timing {
  double wall = -1;  // ms; negative when the run failed
  double cpu = 0;    // ms of user and system time of the program and its children
};

double milliseconds(const timeval& t) {
  return t.tv_sec * 1e3 + t.tv_usec / 1e3;
}

// Runs a program in dir with its output discarded.
Timing timedRun(const std::vector<std::string>& args, const fs::path& dir) {
  const auto start = std::chrono::steady_clock::now();
  const pid_t pid = fork();
  if (pid == 0) {
    const int null = open("/dev/null", O_WRONLY);
    dup2(null, 1);
    dup2(null, 2);
    if (chdir(dir.c_str()) != 0) _exit(127);
    std::vector<char*> argv;
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    execv(argv[0], argv.data());
    _exit(127);
  }
  int status = 0;
  rusage usage{};
  wait4(pid, &status, 0, &usage);
  const std::chrono::duration<double, std::milli> elapsed =
      std::chrono::steady_clock::now() - start;
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return {};
  return {elapsed.count(), milliseconds(usage.ru_utime) + milliseconds(usage.ru_stime)};
}

// Best and median wall and processor times of the runs of one command (the
// processor time does not depend on what else the machine is doing); false
// when a run fails.
bool report(const char* what, const std::vector<std::string>& args, const fs::path& dir, int runs) {
  std::vector<double> wall, cpu;
  for (int r = 0; r < runs; ++r) {
    const Timing t = timedRun(args, dir);
    if (t.wall < 0) return false;
    wall.push_back(t.wall);
    cpu.push_back(t.cpu);
  }
  std::sort(wall.begin(), wall.end());
  std::sort(cpu.begin(), cpu.end());
  std::printf("%-32s wall best %8.2f median %8.2f ms; cpu best %8.2f median %8.2f ms (%d runs)\n",
              what, wall.front(), wall[wall.size() / 2], cpu.front(), cpu[cpu.size() / 2], runs);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  const fs::path bin = fs::absolute(argc > 1 ? fs::path(argv[1]) : fs::path(BRIX_BIN_DIR));
  const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 10;
  const fs::path dir = fs::temp_directory_path() / ("brix-bench-" + std::to_string(getpid()));
  fs::create_directories(dir);
  writeInput(dir / "big.in", 255, 255);
  writeInput(dir / "run.in", 200, 30);
  bench::writeWorkbenchScript(dir / "run.dsk", 200);
  const std::string trel = (bin / "trel").string();
  const std::string fendex = (bin / "fendex").string();
  int status = 0;
  if (!report("trel, 255 x 255", {trel, "big.in"}, dir, runs)) {
    std::printf("trel failed on the 255 x 255 table\n");
    status = 1;
  }
  const std::vector<std::string> pipeline = {"/bin/sh", (bin / "brixel.sh").string(),
                                             (dir / "run").string(), dir.string() + "/", ""};
  if (!report("pipeline brixel.sh, 200 x 30", pipeline, dir, runs)) {
    std::printf(
        "the pipeline does not run through yet (korva cannot run the script);\n"
        "timing trel and fendex alone on 200 x 30, with stand-in coordinates:\n");
    writeCoordinates(dir / "coords", 200);
    if (!report("  trel, 200 x 30", {trel, "run.in"}, dir, runs) ||
        !report("  fendex, 200 x 30", {fendex, "run.in", "coords"}, dir, runs))
      status = 1;
  }
  fs::remove_all(dir);
  return status;
}
