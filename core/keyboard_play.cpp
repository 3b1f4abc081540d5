// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/keyboard_play.h"

#include <cstdlib>

#include "core/game.h"
#include "core/mutation.h"
#include "core/panel.h"
#include "core/rules.h"

namespace klebony {

std::optional<std::pair<int, int>> nearestOwnCell(const Game& game, int x, int y) {
  std::optional<std::pair<int, int>> best;
  int bestDistance = 0;
  for (int cx = 0; cx < kBoardSize; ++cx)
    for (int cy = 0; cy < kBoardSize; ++cy) {
      if (game.world.cell(cx, cy).owner != kPlayer) continue;
      const int distance = std::abs(cx - x) + std::abs(cy - y);
      if (!best || distance < bestDistance) {
        best = {cx, cy};
        bestDistance = distance;
      }
    }
  return best;
}

void cursorHome(Game& game) {
  if (game.window.mutationMode) return;
  game.window.cursorPlaced = true;
  const auto home = nearestOwnCell(game, game.window.hoverX, game.window.hoverY);
  if (home) inspectCell(game, home->first, home->second);
}

void moveCursor(Game& game, int dx, int dy) {
  if (game.window.mutationMode) return;
  if (!game.window.cursorPlaced) {
    cursorHome(game);
    return;
  }
  const int x = game.window.hoverX + dx;
  const int y = game.window.hoverY + dy;
  // At an edge the marker stays, and says again where it is.
  inspectCell(game, onBoard(x, game.window.hoverY) ? x : game.window.hoverX,
              onBoard(game.window.hoverX, y) ? y : game.window.hoverY);
}

void pressCursorCell(Game& game) { reachForCell(game, game.window.hoverX, game.window.hoverY); }

void walkCharacteristics(Game& game, int step) {
  if (!game.window.mutationMode) return;
  int& chosen = game.window.chosenCharacteristic;
  if (chosen < 0)
    chosen = step > 0 ? 0 : kCharacteristicCount - 1;
  else
    chosen = (chosen + step % kCharacteristicCount + kCharacteristicCount) % kCharacteristicCount;
  hoverPanelItem(game, PanelItem::of(static_cast<Characteristic>(chosen)));
}

std::optional<Characteristic> chosenCharacteristic(const Game& game) {
  const int chosen = game.window.chosenCharacteristic;
  if (!game.window.mutationMode || chosen < 0 || chosen >= kCharacteristicCount) return std::nullopt;
  return static_cast<Characteristic>(chosen);
}

void buyChosenStep(Game& game) {
  if (const auto c = chosenCharacteristic(game)) clickPanelItem(game, PanelItem::of(*c));
}

}  // namespace klebony
