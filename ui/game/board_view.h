// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The board as the player meets it: the picture that the pointer plays on,
// a place for the keyboard's focus, and for a screen reader the field "Поле"
// whose focused item is the marked cell.
#include "ui/game/image_box.h"

namespace klebony {

struct Game;

class BoardView : public ImageBox {
  Q_OBJECT
 public:
  BoardView(const Game& game, QWidget* parent = nullptr);

  const Game& game() const { return game_; }
  // The keys moved the marker: a listening screen reader hears the cell.
  void announceMarkedCell();

 private:
  const Game& game_;
};

}  // namespace klebony
