// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A save into a folder crowded with other people's files that look like a
// save's temporary files: what they cost the save (the window waits for it).
// The folder lies below TMPDIR (default /tmp); the files are made once.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "core/rules.h"
#include "persist/saveload.h"
#include "persist/temporary_file.h"

namespace {

using namespace klebony;

class NamedOnly : public FileOps {
 public:
  int createUnnamed(int, mode_t) override { return errno = EOPNOTSUPP, -1; }
};

std::string crowdedFolder(int planted) {
  const char* tmp = std::getenv("TMPDIR");
  const std::string folder = std::string(tmp && *tmp ? tmp : "/tmp") + "/klebony-bench-" +
                             std::to_string(::getpid()) + "-" + std::to_string(planted);
  if (std::filesystem::exists(folder)) return folder;
  std::filesystem::create_directories(folder);
  // Names of every shape a save has ever used: by process number, by user
  // and file, with a random part; and the very hidden name of the save below.
  const std::string hidden = TemporaryFile::hiddenName(::geteuid(), "game.klb");
  for (int i = 0; i < planted; ++i) {
    const std::string name =
        i % 3 == 0   ? ".klebony-" + std::to_string(::getpid()) + "-" + std::to_string(i) + ".tmp"
        : i % 3 == 1 ? hidden.substr(0, hidden.size() - 4) + "-" + std::to_string(i) + ".tmp"
                     : ".klebony-" + std::to_string(i) + "-0123456789abcdef.tmp";
    ::close(::open((folder + "/" + name).c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0600));
  }
  return folder;
}

void BM_SaveAmongLookAlikes(benchmark::State& state) {
  const int planted = static_cast<int>(state.range(0));
  const bool unnamed = state.range(1) != 0;
  Game game;
  game.random.seed(2003);
  game.window.playerName = "Тарвилис";
  enterGame(game);
  const std::string folder = crowdedFolder(planted);
  NamedOnly named;
  FileOps& ops = unnamed ? systemFileOps() : named;
  for (auto _ : state)
    if (!saveGame(game.world, folder + "/game.klb", ops)) state.SkipWithError("the save failed");
  state.SetLabel(unnamed ? "unnamed temporary file" : "named temporary file");
}
BENCHMARK(BM_SaveAmongLookAlikes)
    ->Args({0, 1})
    ->Args({100000, 1})
    ->Args({0, 0})
    ->Args({100000, 0})
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  // The crowded folders go with the run.
  const char* tmp = std::getenv("TMPDIR");
  for (const int planted : {0, 100000})
    std::filesystem::remove_all(std::string(tmp && *tmp ? tmp : "/tmp") + "/klebony-bench-" +
                                std::to_string(::getpid()) + "-" + std::to_string(planted));
  return 0;
}
