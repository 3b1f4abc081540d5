// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The rules of a game, as operations on a Game. The game window and the
// headless driver call these and nothing else; each reports what the player
// sees or hears through Game::out(), in the order it happens.
#include <string>

#include "core/game.h"

namespace klebony {

// ---- a game's life
void newGame(Game& game);
// The game window comes to the front: a new game unless one is set up.
void enterGame(Game& game);
// Back at the start screen: the next game starts anew.
void leaveGame(Game& game);
// The window brought in line with a game that has just been loaded.
void gameLoaded(Game& game);
// "Меню", Delete, or the end of a game: back to the start screen once the
// running operation has finished.
void returnToMenu(Game& game);

// ---- the end of turn ("Ход", the key H)
void endTurn(Game& game);
void tentacleStep(Game& game, int k);
void aggressionGrowth(Game& game, int k);

// ---- the computer organisms, battles and tentacles
void opponentTurn(Game& game, int k);
// A battle of `attacker` for a cell of `defender`; a trial battle (real =
// false) changes only hit points. Returns the winner's index.
int battle(Game& game, int attacker, int defender, bool real);
void sabotage(Game& game, int source, int slot);

// ---- the player's hand on the board; cells off the board are ignored
// The pointer rests on a cell: what it is goes to the status line and the panel.
void inspectCell(Game& game, int x, int y);
// A click on a cell: capture a free neighbour or attack an enemy's.
void reachForCell(Game& game, int x, int y);

// ---- the status lines
void showStatus(Game& game, const std::string& text);
// A status line's time ran out: it clears (nothing when its timer was stopped).
void upperStatusExpired(Game& game);
void lowerStatusExpired(Game& game);

// ---- the help panel ("Справка", F1, "Закрыть")
void toggleHelp(Game& game);
void closeHelp(Game& game);

}  // namespace klebony
