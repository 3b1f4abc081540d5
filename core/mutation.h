// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Prices and limits of a mutation, and the player's mutation mode.
#include <cstdint>

#include "core/characteristics.h"

namespace klebony {

enum class MutationOutcome { AlreadyMutated, Applied, Refused };

// Price of the next step; never overflows (saturates at INT32_MAX).
int32_t mutationCost(const Organism& o, Characteristic c);
bool canMutate(const Organism& o, Characteristic c);
// Pays and raises; does nothing unless canMutate.
void applyMutation(Organism& o, Characteristic c);

struct Game;
MutationOutcome playerMutate(Game& game, Characteristic c);
// The mutation button, the menu item "Мутировать +" and the key M.
void toggleMutationMode(Game& game);
// A click on a characteristic's caption: with the mode on, buys one step of
// it (once a turn) and ends the mode.
void buyStep(Game& game, Characteristic c);
// A click on the key legend: with the mode on, ends it without buying.
void endMutationModeFromLegend(Game& game);
struct PanelItem;
// A click in the panel: a characteristic's caption buys, the key legend ends
// the mode, the two counts do nothing.
void clickPanelItem(Game& game, const PanelItem& item);

}  // namespace klebony
