// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Whole games by the random player against the four computer organisms:
// games per second, and how long games last and how they end.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

#include "tests/core/soak_play.h"

namespace {

using klebony::soak::Ending;

void BM_WholeGames(benchmark::State& state) {
  const auto variant = static_cast<klebony::soak::Variant>(state.range(0));
  const int turnLimit = static_cast<int>(state.range(1));
  uint64_t seed = 1;
  int64_t games = 0, turns = 0, victories = 0, defeats = 0, unfinished = 0;
  std::vector<int> lengths;
  for (auto _ : state) {
    const klebony::soak::GameResult r = klebony::soak::playGame(seed++, turnLimit, variant);
    ++games;
    turns += r.turns;
    victories += r.ending == Ending::Victory;
    defeats += r.ending == Ending::Defeat;
    unfinished += r.ending == Ending::TurnLimit;
    if (r.ending != Ending::TurnLimit) lengths.push_back(r.turns);
  }
  state.counters["games/s"] = benchmark::Counter(static_cast<double>(games), benchmark::Counter::kIsRate);
  state.counters["turns/s"] = benchmark::Counter(static_cast<double>(turns), benchmark::Counter::kIsRate);
  state.counters["victory%"] = 100.0 * victories / games;
  state.counters["defeat%"] = 100.0 * defeats / games;
  state.counters["unfinished%"] = 100.0 * unfinished / games;
  if (!lengths.empty()) {
    std::sort(lengths.begin(), lengths.end());
    auto quantile = [&lengths](double q) { return lengths[static_cast<size_t>(q * (lengths.size() - 1))]; };
    state.counters["len_min"] = lengths.front();
    state.counters["len_p10"] = quantile(0.10);
    state.counters["len_median"] = quantile(0.50);
    state.counters["len_p90"] = quantile(0.90);
    state.counters["len_max"] = lengths.back();
  }
}
// Arguments: the kind of start (0 normal, 1 crowded, 2 lone) and the turn limit,
// far above a usual game; only finished games count toward the lengths.
BENCHMARK(BM_WholeGames)->Args({0, 3000})->Iterations(2000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WholeGames)->Args({1, 3000})->Iterations(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WholeGames)->Args({2, 3000})->Iterations(1000)->Unit(benchmark::kMillisecond);

// One end of turn late in a game that the player leaves alone: large
// organisms, many tentacles and battles between the computer organisms.
void BM_EndTurnFullBoard(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    klebony::Game game;
    klebony::soak::EndWatcher watcher;
    game.outcomes = &watcher;
    game.random.seed(7);
    klebony::newGame(game);
    for (int i = 0; i < 400; ++i) klebony::endTurn(game);
    state.ResumeTiming();
    for (int i = 0; i < 50; ++i) klebony::endTurn(game);
  }
  state.SetItemsProcessed(state.iterations() * 50);
}
BENCHMARK(BM_EndTurnFullBoard)->Iterations(20)->Unit(benchmark::kMillisecond);

}  // namespace
