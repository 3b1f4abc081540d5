// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/game/board_cells.h"

#include "core/world.h"

namespace klebony {

std::optional<CellPosition> cellAtPixel(int px, int py) {
  if (px < 0 || py < 0 || px >= kBoardPixels || py >= kBoardPixels) return std::nullopt;
  return CellPosition{px / kCellPixels, py / kCellPixels};
}

}  // namespace klebony
