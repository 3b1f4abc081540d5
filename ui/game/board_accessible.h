// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a screen reader finds of the board: the field "Поле", a list of its
// 36 x 36 cells row by row, each named by where it is and what is seen there
// (core/reading.h). The marked cell is the focused one while the board has
// the keys. Made only when an assistive technology asks.
#include <QAccessibleWidget>
#include <vector>

namespace klebony {

class BoardView;

class BoardAccessible : public QAccessibleWidget {
 public:
  explicit BoardAccessible(BoardView* board);
  ~BoardAccessible() override;

  // The cell (x, y) counted row by row.
  static int childIndex(int x, int y);

  BoardView* board() const;
  int childCount() const override;
  QAccessibleInterface* child(int index) const override;
  int indexOfChild(const QAccessibleInterface* child) const override;
  QAccessibleInterface* focusChild() const override;
  QAccessibleInterface* childAt(int x, int y) const override;

 private:
  // A cell's interface lives as long as the board's once asked for, so that
  // a reader keeps one object per cell.
  mutable std::vector<QAccessible::Id> cells_;
};

}  // namespace klebony
