// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game played from the keyboard: a cursor over the board that is the
// mouse's marker, and a pick among the characteristics in the mutation mode.
// Every key ends in the rule its mouse twin calls, so both play alike.
#include <optional>

#include "core/characteristics.h"

namespace klebony {

struct Game;

// The player's cell nearest to (x, y), the earliest in column order on a tie;
// nothing when the player owns no cell.
std::optional<std::pair<int, int>> nearestOwnCell(const Game& game, int x, int y);

// An arrow: the marker moves one cell and inspects it, as the pointer would;
// it stops at the edges. The first key of a game (or after a load) only puts
// it on the player's own cell. Nothing in the mutation mode.
void moveCursor(Game& game, int dx, int dy);
// Home: the marker back on the player's own cell.
void cursorHome(Game& game);
// Enter or Space on the board: a click on the marked cell.
void pressCursorCell(Game& game);

// Up, Down or Tab in the mutation mode: the next (step 1) or previous (step -1)
// characteristic is picked, wrapping at the ends, and its hint is shown as the
// pointer resting on its caption shows it. Nothing outside the mode.
void walkCharacteristics(Game& game, int step);
// The picked characteristic, if the mode is on and one is picked.
std::optional<Characteristic> chosenCharacteristic(const Game& game);
// Enter in the mutation mode: a click on the picked caption.
void buyChosenStep(Game& game);

}  // namespace klebony
