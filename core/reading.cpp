// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/reading.h"

#include "core/game.h"
#include "core/mutation.h"

namespace klebony {

std::string cellReading(const Game& game, int x, int y) {
  std::string where = "Столбец " + std::to_string(x + 1) + ", строка " + std::to_string(y + 1) + ": ";
  if (!onBoard(x, y)) return where + "вне поля";
  const Cell& c = game.world.cell(x, y);
  // The player knows its own body even where the picture is dark, as the
  // status line does; anything else needs sight.
  if (c.owner == kPlayer) return where + "моя клетка";
  if (!c.visible) return where + "не видно";
  if (c.owner == kFree) return where + "свободная клетка";
  if (c.owner >= 0 && c.owner < kOpponentCount) return where + "враг " + game.world.organisms[c.owner].name;
  return where + "не видно";
}

std::string offerReading(const Game& game, Characteristic c) {
  const Organism& player = game.world.organisms[kPlayer];
  const std::string& value = game.window.panel.level(c);
  // "10/10 ед." already ends its sentence.
  std::string text = std::string(info(c).caption) + " " + value + (value.ends_with('.') ? " " : ". ");
  if (level(player, c) >= info(c).limit) return text + "Предел достигнут";
  text += "Мутация за " + std::to_string(mutationCost(player, c)) + " ед.: ";
  if (canMutate(player, c)) return text + "аминокислот хватает";
  if (player.aminoAcids >= mutationCost(player, c)) return text + "нет места";
  return text + "аминокислот не хватает";
}

}  // namespace klebony
