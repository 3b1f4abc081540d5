// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The end of a turn: the computer organisms, the income, the census, the
// player's tentacles and growth, and the victory test.
#include "core/game_steps.h"
#include "core/mutation.h"
#include "core/rules.h"

namespace klebony {

namespace {
const char* const kVictoryText = "УРА-А-А! Я самый крутой клебон! Всэх зарэзаль! :-)";
}

bool allOpponentsGone(const World& world) {
  for (int k = 0; k < kOpponentCount; ++k)
    if (world.organisms[k].alive) return false;
  return true;
}

void announceVictory(Game& game) {
  game.out().showMessage(kVictoryText);
  returnToMenu(game);
}

void tentacleStep(Game& game, int k) {
  for (int i = 0; i < kTentacleSlots; ++i) {
    Tentacle& t = game.world.organisms[k].tentacles[i];
    if (!t.active) continue;
    t.travel = addSaturated(t.travel, 1);
    // Read afresh for every slot; 64 bits because a loaded tentacle level may be anything.
    const int64_t arrival = (10 - int64_t{game.world.organisms[k].tentacleLevel}) * 3 + 7;
    if (t.travel > arrival) sabotage(game, k, i);
  }
}

void aggressionGrowth(Game& game, int k) {
  Organism& o = game.world.organisms[k];
  // A full allowance grows by one for the price of a bought step.
  const int32_t price = mutationCost(o, Characteristic::Aggression);
  if (o.aminoAcids >= price && o.aggression < kAggressionGrowthLimit && o.size >= o.aggression) {
    o.aminoAcids -= price;
    o.aggression += 1;
  }
}

void endTurn(Game& game) {
  World& world = game.world;
  if (!game.window.turnButtonEnabled) return;
  game.out().playSound(Sound::TurnClick, SoundMode::Async);
  world.turn = addSaturated(world.turn, 1);

  for (int k = 0; k < kOpponentCount; ++k)
    if (world.organisms[k].alive) opponentTurn(game, k);

  for (Organism& o : world.organisms) {
    o.aminoAcids = addSaturated(o.aminoAcids, o.size);
    o.alive = false;
    if (o.aminoAcids > kAminoAcidCap) o.aminoAcids = kAminoAcidCap;
  }
  for (const auto& column : world.board)
    for (const Cell& c : column)
      if (c.owner >= 0 && c.owner < kOrganismCount) world.organisms[c.owner].alive = true;

  tentacleStep(game, kPlayer);
  aggressionGrowth(game, kPlayer);
  world.organisms[kPlayer].captured = false;
  world.organisms[kPlayer].mutated = false;

  if (allOpponentsGone(world)) announceVictory(game);

  game.window.turnButtonCaption = turnButtonCaption(world.turn);
  game.out().controlsChanged();
  showPanel(game, kPlayer);
  refreshAffordability(game);
  recomputeVisibility(world);
}

}  // namespace klebony
