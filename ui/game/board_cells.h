// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where a pointer on the board picture lies in the game: the cell under it.
#include <optional>

namespace klebony {

struct CellPosition {
  int x = 0;
  int y = 0;
  bool operator==(const CellPosition&) const = default;
};

// The cell under a board pixel; nothing for a pixel off the picture (the
// pointer dragged beyond the board's edge with a button held).
std::optional<CellPosition> cellAtPixel(int px, int py);

}  // namespace klebony
