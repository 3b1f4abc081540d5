// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A new game, and the window's controls that a new or loaded game resets.
#include "core/game_steps.h"
#include "core/rules.h"

namespace klebony {

namespace {
const char* const kOpponentNames[kOpponentCount] = {"Зеномиус", "Акиус", "Уренус", "Свиус"};
}

std::string turnButtonCaption(int32_t turn) { return "Ход " + std::to_string(int64_t{turn} + 1); }

void resetMutationControls(Game& game) {
  game.window.mutationMode = false;
  game.window.mutationButtonCaption = "Мутация +";
  game.window.turnButtonEnabled = true;
  game.window.chosenCharacteristic = -1;
}

void newGame(Game& game) {
  World& world = game.world;
  game.window.helpVisible = false;
  resetMutationControls(game);
  game.out().controlsChanged();

  resetBoard(world, game.random);

  // Every organism on a free cell of its own; the player, placed last, sees its cell.
  int px = 0, py = 0;
  for (int j = 0; j < kOrganismCount; ++j) {
    do {
      px = random(game, kBoardSize);
      py = random(game, kBoardSize);
    } while (world.cell(px, py).owner != kFree);
    world.cell(px, py).owner = j;
    assignStrip(world, px, py, j);
  }
  world.cell(px, py).visible = true;
  game.window.hoverX = px;
  game.window.hoverY = py;
  game.window.cursorPlaced = false;

  for (int k = 0; k < kOrganismCount; ++k) {
    resetOrganism(world, k);
    world.organisms[k].tentacles = {};
  }
  for (int k = 0; k < kOpponentCount; ++k) world.organisms[k].name = kOpponentNames[k];
  world.organisms[kPlayer].name = game.window.playerName;

  world.turn = 0;
  game.window.turnButtonCaption = turnButtonCaption(world.turn);
  game.out().controlsChanged();

  refreshAffordability(game);
  showPanel(game, kPlayer);
}

void enterGame(Game& game) {
  if (game.world.gameReady) return;
  newGame(game);
  game.world.gameReady = true;
}

void leaveGame(Game& game) { game.world.gameReady = false; }

void gameLoaded(Game& game) {
  resetMutationControls(game);
  game.window.cursorPlaced = false;
  game.window.turnButtonCaption = turnButtonCaption(game.world.turn);
  game.window.helpVisible = false;
  game.out().controlsChanged();
  refreshAffordability(game);
  showPanel(game, kPlayer);
}

}  // namespace klebony
