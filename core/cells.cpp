// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The player's hand on the board: looking at a cell and reaching for it.
#include "core/game_steps.h"
#include "core/rules.h"

namespace klebony {

void inspectCell(Game& game, int x, int y) {
  if (game.window.mutationMode || !onBoard(x, y)) return;
  refreshAffordability(game);
  game.window.hoverX = x;
  game.window.hoverY = y;
  const Cell& c = game.world.cell(x, y);
  const bool enemy = c.owner >= 0 && c.owner < kOpponentCount;
  if (c.owner == kFree && c.visible) showStatus(game, "Эта клетка еще не моя... надо ее заразить! :-)");
  if (c.owner == kPlayer) showStatus(game, "Это всё мои-и-и клетки, клё-ё-ёво!!!");
  if (enemy && c.visible) showStatus(game, "Внимание!!! ВРАГ! ВРАГ! УНИЧТОЖИТЬ ВРАГА!!!");
  if (!c.visible) showStatus(game, "Мои сенсоры не позволяют сканировать этот сектор!");
  // A hidden cell never reveals its owner.
  showPanel(game, enemy && c.visible ? c.owner : kPlayer);
}

namespace {

void takeCell(Game& game, int x, int y) {
  World& world = game.world;
  Organism& player = world.organisms[kPlayer];
  player.size = addSaturated(player.size, 1);
  world.cell(x, y).owner = kPlayer;
  assignStrip(world, x, y, kPlayer);
  player.captured = true;
  showPanel(game, kPlayer);
  recomputeVisibility(world);
}

// A free neighbour is taken within the aggression allowance, an enemy's cell
// is fought for; anything else is refused.
void captureOrAttack(Game& game, int x, int y) {
  World& world = game.world;
  const Cell& c = world.cell(x, y);
  if (!c.visible || c.owner == kPlayer) return;
  if (!touchesOwner(world, x, y, kPlayer)) {
    game.out().playSound(Sound::Refused, SoundMode::Async);
    return;
  }
  const Organism& player = world.organisms[kPlayer];
  const int owner = c.owner;
  if (owner == kFree && player.aggression > player.size) {
    game.out().playSound(Sound::Capture, SoundMode::Async);
    takeCell(game, x, y);
    return;
  }
  if (owner >= 0 && owner < kOpponentCount && battle(game, kPlayer, owner, true) == kPlayer) {
    takeCell(game, x, y);
    return;
  }
  game.out().playSound(Sound::Refused, SoundMode::Async);
}

}  // namespace

void reachForCell(Game& game, int x, int y) {
  if (!onBoard(x, y)) return;
  if (game.window.mutationMode || game.world.organisms[kPlayer].captured) {
    game.out().playSound(Sound::Refused, SoundMode::Async);
    return;
  }
  captureOrAttack(game, x, y);
  // Whatever the cell, the victory test follows.
  if (allOpponentsGone(game.world)) announceVictory(game);
}

}  // namespace klebony
