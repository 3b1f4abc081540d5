// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A battle's consequences: the rounds decide the winner (battle_fight.cpp),
// then the records, the draws and what the user sees follow in a fixed order.
#include <cstdint>
#include <string>

#include "core/battle_fight.h"
#include "core/characteristics.h"
#include "core/rules.h"

namespace klebony {

namespace {

constexpr int kDefenceGainDraws = 3;  // a beaten defender may gain a defence: one chance in three
constexpr int kDefenceGainDraw = 1;
constexpr int32_t kGrowthAminoAcids = 400;       // besides a vitality step
constexpr int32_t kWonDefenceAminoAcids = 5000;  // for a defender that beat the player

// Full hit points; a vitality from a saved file may be anything.
int32_t fullHp(const Organism& o) { return saturate32(int64_t{o.vitality} * 10); }

void raise(int32_t& level, int64_t by) { level = addSaturated(level, by); }

// A beaten defender's new defence, drawn from its list.
Characteristic drawnDefence(Game& game) {
  constexpr int count = static_cast<int>(kDefencesGainedWhenBeaten.size());
  return kDefencesGainedWhenBeaten[random(game, count)];
}

// A computer organism beaten by the player may grow from it.
void growthAfterDefeat(Game& game, Organism& o) {
  const int draw = random(game, kDefeatGrowthDraws);
  for (const CharacteristicInfo& c : kCharacteristicTable) {
    if (!c.defeatGrowthDraws.contains(draw)) continue;
    gainLevel(o, c.id);
    if (c.id == Characteristic::Vitality) raise(o.aminoAcids, kGrowthAminoAcids);
    return;
  }
}

}  // namespace

int battle(Game& game, int attacker, int defender, bool real) {
  Organism& a = game.world.organisms[attacker];
  Organism& d = game.world.organisms[defender];
  Outcomes& out = game.out();
  const bool attackerWon = attackerWinsRounds(a, d);
  const int winner = attackerWon ? attacker : defender;
  const bool playerAttacked = attacker == kPlayer;
  const bool playerDefended = defender == kPlayer;

  if (attackerWon) {
    d.hp = fullHp(d);
    // A trial battle leaves size and alive alone, even for a record that
    // already holds a size of 0 or less.
    if (real) {
      raise(d.size, -1);
      if (d.size <= 0) d.alive = false;
    }
  } else if (playerAttacked) {
    out.playSound(Sound::AttackLost, SoundMode::Async);
    out.showMessage("Битва проиграна! :-(");
  }

  if (real) {
    raise(game.world.organisms[winner].battlesWon, 1);
    if (attackerWon) showStatus(game, a.name + " напал на  " + d.name + " и ПОБЕДИЛ!");
  }

  a.hp = fullHp(a);
  if (!real) d.hp = fullHp(d);

  if (real && attackerWon && random(game, kDefenceGainDraws) == kDefenceGainDraw)
    gainLevel(d, drawnDefence(game));

  if (real && playerDefended && attackerWon) out.showMessage("На нас напал " + a.name + " и победил! :-(");

  if (real && playerAttacked && !attackerWon) {
    gainLevel(d, Characteristic::Tentacles);
    raise(d.aminoAcids, kWonDefenceAminoAcids);
  }

  if (real && playerAttacked && attackerWon) growthAfterDefeat(game, d);

  if (real && playerDefended && attackerWon && !d.alive) {
    out.playSound(Sound::PlayerDestroyed, SoundMode::Async);
    out.showMessage("Ну, все, БЛИН! Замочили меня! :-(");
    returnToMenu(game);
  }

  if (playerAttacked && attackerWon) out.playSound(Sound::AttackWon, SoundMode::Async);

  return winner;
}

}  // namespace klebony
