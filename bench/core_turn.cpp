// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
// End of turn on a late-game board: every cell owned, four computer organisms
// with 20 tentacles each and levels in the tens, so that every phase runs:
// tentacles arrive, mutations are drawn, captures are fought.
#include <benchmark/benchmark.h>

#include <algorithm>

#include "core/rules.h"

namespace {

using namespace klebony;

Game lateGame() {
  Game game;
  game.random.seed(2003);
  World& w = game.world;
  // Five vertical bands, the player's in the middle.
  for (int x = 0; x < kBoardSize; ++x)
    for (int y = 0; y < kBoardSize; ++y) {
      int band = std::min(x * kOrganismCount / kBoardSize, kOrganismCount - 1);
      int owner = band == 2 ? kPlayer : band == kPlayer ? 2 : band;
      w.cell(x, y).owner = owner;
      assignStrip(w, x, y, owner);
    }
  static const char* names[] = {"Зеномиус", "Акиус", "Уренус", "Свиус", "Тарвилис"};
  for (int k = 0; k < kOrganismCount; ++k) {
    resetOrganism(w, k);
    Organism& o = w.organisms[k];
    o.name = names[k];
    o.size = 0;
    o.aminoAcids = 400000;
    o.vitality = 30 + k;
    o.hp = o.vitality * 10;
    o.regeneration = 10 + k;
    o.mobility = 12;
    o.sensors = 20;
    o.tentacleLevel = 5;
    o.tentacleCount = kTentacleSlots;
    for (int i = 0; i < kTentacleSlots; ++i) o.tentacles[i] = {true, 20 + i};
    o.spike = 20 + k;
    o.blades = 25;
    o.claws = 30 - k;
    o.tail = 15;
    o.spores = 35;
    o.piercingDefence = 22;
    o.cuttingDefence = 24 + k;
    o.choppingDefence = 26;
    o.chokingDefence = 18;
    o.acidDefence = 30;
  }
  for (const auto& column : w.board)
    for (const Cell& c : column) w.organisms[c.owner].size++;
  for (Organism& o : w.organisms) o.aggression = o.size + 1;
  w.gameReady = true;
  recomputeVisibility(w);
  return game;
}

void BM_endTurnLateGame(benchmark::State& state) {
  const Game start = lateGame();
  Game game = start;
  for (auto _ : state) {
    state.PauseTiming();
    game = start;
    state.ResumeTiming();
    endTurn(game);
    benchmark::DoNotOptimize(game.world.turn);
  }
}
BENCHMARK(BM_endTurnLateGame);

// Many turns in a row from the same board: the cost as the game runs on.
void BM_endTurnSequence(benchmark::State& state) {
  Game game = lateGame();
  for (auto _ : state) {
    endTurn(game);
    benchmark::DoNotOptimize(game.world.turn);
  }
}
BENCHMARK(BM_endTurnSequence);

void BM_recomputeVisibilityWholeBoard(benchmark::State& state) {
  Game game = lateGame();
  game.world.organisms[kPlayer].sensors = static_cast<int32_t>(state.range(0));
  for (auto _ : state) {
    recomputeVisibility(game.world);
    benchmark::DoNotOptimize(game.world.board[0][0].visible);
  }
}
BENCHMARK(BM_recomputeVisibilityWholeBoard)->Arg(1)->Arg(35);

}  // namespace
