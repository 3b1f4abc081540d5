// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A computer organism's part of the end of turn: tentacles, aggression, one
// random mutation draw and one capture attempt.
#include <optional>

#include "core/characteristics.h"
#include "core/mutation.h"
#include "core/rules.h"

namespace klebony {

namespace {

constexpr int32_t kMutationThreshold = 20;  // mutates only with more aggression than this

std::optional<Characteristic> drawnCharacteristic(int r) {
  for (const CharacteristicInfo& c : kCharacteristicTable)
    if (c.opponentDraw == r) return c.id;
  return std::nullopt;
}

void mutationPhase(Game& game, int k) {
  Organism& o = game.world.organisms[k];
  if (o.aggression <= kMutationThreshold) return;
  const int tentacleLevelDraw = info(Characteristic::TentacleLevel).opponentDraw;
  for (;;) {
    const int r = random(game, kOpponentMutationDraws);
    if (const std::optional<Characteristic> c = drawnCharacteristic(r)) {
      const bool capped = level(o, *c) >= info(*c).opponentLimit;
      if (!capped && canMutate(o, *c)) applyMutation(o, *c);
    }
    const bool tentacleDraw = r == kIdleTentacleDraw || r == tentacleLevelDraw;
    if (tentacleDraw && o.tentacleLevel >= info(Characteristic::TentacleLevel).limit) continue;
    return;
  }
}

// A capture target exists unless k owns no cell or every cell. A living
// organism always has one in play, but a loaded file may say otherwise, and the
// draw below must not run for ever.
bool hasCaptureTarget(const World& world, int k) {
  auto other = [&world, k](int x, int y) { return onBoard(x, y) && world.cell(x, y).owner != k; };
  for (int x = 0; x < kBoardSize; ++x)
    for (int y = 0; y < kBoardSize; ++y)
      if (world.cell(x, y).owner == k &&
          (other(x - 1, y) || other(x + 1, y) || other(x, y - 1) || other(x, y + 1)))
        return true;
  return false;
}

void capturePhase(Game& game, int k) {
  World& world = game.world;
  Organism& o = world.organisms[k];
  if (o.aggression <= o.size || !hasCaptureTarget(world, k)) return;
  int x = 0;
  int y = 0;
  do {
    x = random(game, kBoardSize);
    y = random(game, kBoardSize);
  } while (world.cell(x, y).owner == k || !touchesOwner(world, x, y, k));

  const int d = world.cell(x, y).owner;
  // Only organisms fight; any other owner code (none in play) counts as free.
  if (d >= 0 && d < kOrganismCount) {
    if (battle(game, k, d, false) != k) return;
    if (battle(game, k, d, true) != k) return;
  }
  o.size = addSaturated(o.size, 1);
  world.cell(x, y).owner = k;
  assignStrip(world, x, y, k);
}

}  // namespace

void opponentTurn(Game& game, int k) {
  if (k < 0 || k >= kOpponentCount) return;
  tentacleStep(game, k);
  aggressionGrowth(game, k);
  mutationPhase(game, k);
  capturePhase(game, k);
}

}  // namespace klebony
