// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The board view's pixels and the cells of the game.
#include <QTest>

#include "tests/ui/registry.h"
#include "ui/game/board_cells.h"

namespace klebony {

class GameBoardCellsTest : public QObject {
  Q_OBJECT
 private slots:
  void pixelsMapToTheCellUnderThem() {
    QCOMPARE(cellAtPixel(0, 0), (std::optional<CellPosition>{{0, 0}}));
    QCOMPARE(cellAtPixel(11, 12), (std::optional<CellPosition>{{0, 1}}));
    QCOMPARE(cellAtPixel(431, 431), (std::optional<CellPosition>{{35, 35}}));
  }

  // A pointer dragged beyond the board with a button held names no cell.
  void pixelsOffThePictureNameNoCell() {
    for (auto [x, y] : {std::pair{-1, 5}, {432, 0}, {5, 432}, {5, 100000}, {-12, -12}})
      QVERIFY2(!cellAtPixel(x, y), qPrintable(QStringLiteral("%1, %2").arg(x).arg(y)));
  }
};

KLEBONY_UI_TEST(GameBoardCellsTest)

}  // namespace klebony

#include "game_board_cells_test.moc"
