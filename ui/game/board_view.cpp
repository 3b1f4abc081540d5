// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/game/board_view.h"

#include <QAccessible>

#include "core/game.h"
#include "core/reading.h"
#include "ui/game/board_accessible.h"

namespace klebony {

BoardView::BoardView(const Game& game, QWidget* parent)
    : ImageBox(QSize(kBoardPixels, kBoardPixels), parent), game_(game) {
  // Tab gives the board the keys (a click does not, so a mouse player's
  // buttons keep their focus as they always did); no focus frame is drawn,
  // the marker shows where the keys are.
  setFocusPolicy(Qt::TabFocus);
  setAccessibleName(QString::fromUtf8(kBoardReadingName));
}

void BoardView::announceMarkedCell() {
  if (!QAccessible::isActive() || !hasFocus()) return;
  QAccessibleEvent event(this, QAccessible::Focus);
  event.setChild(BoardAccessible::childIndex(game_.window.hoverX, game_.window.hoverY));
  QAccessible::updateAccessibility(&event);
}

}  // namespace klebony
