// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
// An arrived tentacle: it lowers one characteristic of a random living
// organism or robs its amino acids.
#include <cstdint>

#include "core/characteristics.h"
#include "core/game_steps.h"
#include "core/rules.h"

namespace klebony {

namespace {

constexpr int32_t kRobberyBase = 5000;
constexpr int32_t kRobberyPerTurn = 5;
constexpr int32_t kRobberyGain = 1000;

const char* const kFailed = "Саботаж не удался! :-(";
const char* const kAgainstPlayer = "ВНИМАНИЕ! Враг провел саботаж!";
const char* const kRobberyMessage = "Понижен уровень АМИНОКИСЛОТ у клебона: ";

// The characteristic a draw lowers, if any.
const CharacteristicInfo* loweredBy(int draw) {
  for (const CharacteristicInfo& c : kCharacteristicTable)
    if (c.sabotageDraw == draw) return &c;
  return nullptr;
}

bool anyOtherAlive(const World& world, int source) {
  for (int k = 0; k < kOrganismCount; ++k)
    if (k != source && world.organisms[k].alive) return true;
  return false;
}

}  // namespace

void sabotage(Game& game, int source, int slot) {
  World& world = game.world;
  if (source < 0 || source >= kOrganismCount || slot < 0 || slot >= kTentacleSlots) return;
  if (allOpponentsGone(world)) return;

  // The arrived tentacle goes, but the last one travels again from the start.
  Organism& src = world.organisms[source];
  Tentacle& tentacle = src.tentacles[slot];
  if (src.tentacleCount > 1) {
    tentacle.active = false;
    tentacle.travel = 0;
    src.tentacleCount -= 1;
  }
  if (src.tentacleCount == 1) tentacle.travel = 0;

  // Only the source itself may be alive (the player hit by its own census); then
  // there is nobody to draw and the draw below would never end.
  if (!anyOtherAlive(world, source)) return;
  int target = 0;
  do {
    target = random(game, kOrganismCount);
  } while (target == source || !world.organisms[target].alive);
  Organism& dst = world.organisms[target];

  const int draw = random(game, kSabotageDraws);
  bool success = false;
  const char* message = nullptr;
  if (draw == kRobberyDraw) {
    src.aminoAcids = addSaturated(src.aminoAcids, kRobberyGain);
    const int64_t loss = kRobberyBase + kRobberyPerTurn * static_cast<int64_t>(world.turn);
    const int64_t left = static_cast<int64_t>(dst.aminoAcids) - loss;
    dst.aminoAcids = left <= 0 ? 0 : saturate32(left);
    success = true;
    message = kRobberyMessage;
  } else if (const CharacteristicInfo* lowered = loweredBy(draw)) {
    int32_t& value = level(dst, lowered->id);
    if (value > lowered->sabotageFloor) {
      value -= 1;
      success = true;
      message = lowered->sabotageMessage;
    }
  }

  if (source == kPlayer) {
    game.out().showMessage(success ? std::string(message) + dst.name : std::string(kFailed));
  } else if (target == kPlayer && success) {
    game.out().playSound(Sound::Sabotaged, SoundMode::Async);
    game.out().showMessage(kAgainstPlayer);
  }
}

}  // namespace klebony
