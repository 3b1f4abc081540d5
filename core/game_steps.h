// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Steps shared by the new game, the end of turn, loading and the mutation mode.
#include <cstdint>
#include <string>

namespace klebony {

struct Game;
struct World;

// "Ход " and the number of the turn in play; 64 bits so that a loaded
// INT32_MAX still reads one more.
std::string turnButtonCaption(int32_t turn);
// Mutation mode off: the mutation button reads "Мутация +", the turn button
// is enabled again. A new or loaded game, or the mode left.
void resetMutationControls(Game& game);
// True when none of the four computer organisms is alive.
bool allOpponentsGone(const World& world);
// The victory box, then the end of the game.
void announceVictory(Game& game);

}  // namespace klebony
