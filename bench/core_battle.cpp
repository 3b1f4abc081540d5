// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A battle's cost must not grow with the records: speed 100000 should cost
// about what speed 1 does, and the largest reg and speed well under a millisecond.
#include <benchmark/benchmark.h>

#include <climits>

#include "core/battle_fight.h"
#include "core/game.h"
#include "core/rules.h"

namespace {

using klebony::Organism;

Organism newGameOrganism(int32_t speed) {
  Organism o;
  o.alive = true;
  o.hp = 10;
  o.vitality = 1;
  o.mobility = speed;
  o.size = 1;
  o.aggression = 1;
  o.sensors = 1;
  return o;
}

void fight(benchmark::State& state, const Organism& a, const Organism& d) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(&a);
    benchmark::DoNotOptimize(&d);
    benchmark::DoNotOptimize(klebony::attackerWinsRounds(a, d));
  }
}

void NewGameOrganismsAtSpeed(benchmark::State& state) {
  const auto speed = static_cast<int32_t>(state.range(0));
  fight(state, newGameOrganism(speed), newGameOrganism(speed));
}
BENCHMARK(NewGameOrganismsAtSpeed)->Arg(1)->Arg(100000);

void LargestRegAndSpeed(benchmark::State& state) {
  Organism a = newGameOrganism(INT32_MAX);
  a.regeneration = INT32_MAX;
  a.hp = INT32_MAX;
  Organism d = a;
  d.hp = INT32_MAX - 1;
  fight(state, a, d);
}
BENCHMARK(LargestRegAndSpeed);

// The whole call with its consequences, as a computer organism's trial battle makes it.
void TrialBattleWithConsequences(benchmark::State& state) {
  klebony::Game game;
  for (int k = 0; k < klebony::kOrganismCount; ++k) game.world.organisms[k] = newGameOrganism(1);
  for (auto _ : state) benchmark::DoNotOptimize(klebony::battle(game, 0, 1, false));
}
BENCHMARK(TrialBattleWithConsequences);

}  // namespace
