// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a screen reader says of the board and the panel, in the player's
// words. It tells no more than the picture shows: the fog hides what it hides.
#include <string>

#include "core/characteristics.h"

namespace klebony {

struct Game;

// The board's name for the reader.
inline constexpr const char* kBoardReadingName = "Поле";

// A cell: where it is, counted from 1 as a player counts, and what is seen
// there: "Столбец 3, строка 12: свободная клетка".
std::string cellReading(const Game& game, int x, int y);
// A caption in the mutation mode, read as something to press: its value, the
// price of the next step and whether the stock pays for it (what the bold
// face tells a sighted player).
std::string offerReading(const Game& game, Characteristic c);

}  // namespace klebony
