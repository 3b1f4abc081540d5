// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Prices, limits and the step of a mutation, and the player's mutation mode.
#include "core/mutation.h"

#include <algorithm>
#include <limits>
#include <optional>

#include "core/game.h"
#include "core/game_steps.h"
#include "core/panel.h"
#include "core/rules.h"

namespace klebony {

namespace {

constexpr int32_t kMax = std::numeric_limits<int32_t>::max();

const char* const kModeOnCaption = "Отмена";
const char* const kOnlyOneMutation = "За ход можно проводить только одну мутацию!";

bool hasFreeSlot(const Organism& o) {
  return std::any_of(o.tentacles.begin(), o.tentacles.end(), [](const Tentacle& t) { return !t.active; });
}

void setModeOff(Game& game) {
  resetMutationControls(game);
  game.out().controlsChanged();
}

// A click in the panel while the mode may be on: a step of `c`, or none.
void pickFromPanel(Game& game, std::optional<Characteristic> c) {
  if (!game.window.mutationMode) return;
  if (game.world.organisms[kPlayer].mutated) {
    showStatus(game, kOnlyOneMutation);
    return;
  }
  if (c) playerMutate(game, *c);
  setModeOff(game);
  showPanel(game, kPlayer);
  refreshAffordability(game);
  recomputeVisibility(game.world);
}

}  // namespace

int32_t mutationCost(const Organism& o, Characteristic c) {
  const CharacteristicInfo& i = info(c);
  if (i.flatPrice) return i.priceUnit;
  // A negative level can only come from a foreign file; pricing it like level 0
  // keeps the price positive, so a step can never pay the organism.
  const int64_t steps = static_cast<int64_t>(std::max(level(o, c), 0)) + 1;
  return static_cast<int32_t>(std::min<int64_t>(i.priceUnit * steps, kMax));
}

bool canMutate(const Organism& o, Characteristic c) {
  const int32_t current = level(o, c);
  if (current == kMax) return false;  // +1 would leave int32
  if (current >= info(c).limit) return false;
  if (c == Characteristic::Tentacles && !hasFreeSlot(o)) return false;
  return o.aminoAcids >= mutationCost(o, c);
}

void applyMutation(Organism& o, Characteristic c) {
  if (!canMutate(o, c)) return;  // never a negative stock or a level past int32
  o.aminoAcids -= mutationCost(o, c);
  gainLevel(o, c);
}

MutationOutcome playerMutate(Game& game, Characteristic c) {
  Organism& player = game.world.organisms[kPlayer];
  if (player.mutated) return MutationOutcome::AlreadyMutated;
  if (!canMutate(player, c)) return MutationOutcome::Refused;
  applyMutation(player, c);
  player.mutated = true;
  return MutationOutcome::Applied;
}

void toggleMutationMode(Game& game) {
  game.out().playSound(Sound::MutationClick, SoundMode::Async);
  if (game.window.mutationMode) {
    setModeOff(game);
    return;
  }
  game.window.mutationMode = true;
  game.window.turnButtonEnabled = false;
  game.window.mutationButtonCaption = kModeOnCaption;
  game.out().controlsChanged();
  showPanel(game, kPlayer);
  refreshAffordability(game);
}

void buyStep(Game& game, Characteristic c) { pickFromPanel(game, c); }

void endMutationModeFromLegend(Game& game) { pickFromPanel(game, std::nullopt); }

void clickPanelItem(Game& game, const PanelItem& item) {
  if (item.kind == PanelItem::Kind::Characteristic)
    buyStep(game, item.characteristic);
  else if (item.kind == PanelItem::Kind::KeyLegend)
    endMutationModeFromLegend(game);
}

}  // namespace klebony
