#include "rules.h"
#include "window_steps.h"

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
  N2Click(game);
}

void tentacleStep(Game& game, int k) {
  for (int i = 0; i < kTentacleSlots; ++i) {
    Tentacle& t = game.world.organisms[k].tentacles[i];
    if (!t.active) continue;
    t.travel = addSaturated(t.travel, 1);
    // Read afresh for every slot; 64 bits because a loaded urschup may be anything.
    const int64_t arrival = (10 - int64_t{game.world.organisms[k].urschup}) * 3 + 7;
    if (t.travel > arrival) sabotage(game, k, i);
  }
}

void aggressionGrowth(Game& game, int k) {
  Organism& o = game.world.organisms[k];
  if (o.amin >= 5 && o.agsize < kAgsizeGrowthLimit && o.size >= o.agsize) {
    o.amin -= 5;
    o.agsize += 1;
  }
}

void endTurn(Game& game) {
  World& world = game.world;
  if (!game.window.hodEnabled) return;
  game.out().playSound(Sound::ClickHod, SoundMode::Async);
  world.turn = addSaturated(world.turn, 1);

  for (int k = 0; k < kOpponentCount; ++k)
    if (world.organisms[k].alive) opponentTurn(game, k);

  for (Organism& o : world.organisms) {
    o.amin = addSaturated(o.amin, o.size);
    o.alive = false;
    if (o.amin > kAminCap) o.amin = kAminCap;
  }
  for (const auto& column : world.board)
    for (const Cell& c : column)
      if (c.owner >= 0 && c.owner < kOrganismCount) world.organisms[c.owner].alive = true;

  tentacleStep(game, kPlayer);
  aggressionGrowth(game, kPlayer);
  world.organisms[kPlayer].captured = false;
  world.organisms[kPlayer].mutated = false;

  if (allOpponentsGone(world)) announceVictory(game);

  game.window.hodCaption = hodCaption(world.turn);
  game.out().controlsChanged();
  showPanel(game, kPlayer);
  refreshAffordability(game);
  recomputeVisibility(world);
}

}  // namespace klebony
