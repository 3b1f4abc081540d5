// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/game/game_keys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenuBar>

#include "core/game.h"
#include "core/keyboard_play.h"
#include "core/reading.h"
#include "ui/game/board_view.h"
#include "ui/game/characteristics_panel.h"

namespace klebony {

GameKeys::GameKeys(Game& game, BoardView* board, QMenuBar* menus, Run run, QObject* parent)
    : QObject(parent), game_(game), board_(board), menus_(menus), run_(std::move(run)) {
  watch(board);
}

void GameKeys::watch(QWidget* widget) { widget->installEventFilter(this); }

bool GameKeys::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return false;
  const auto* key = static_cast<QKeyEvent*>(event);
  if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) return false;
  if (key->key() == Qt::Key_F10) {
    // The menu bar opens on its first menu; arrows and Enter do the rest.
    if (menus_ && !menus_->actions().isEmpty()) menus_->setActiveAction(menus_->actions().first());
    return true;
  }
  // A key that reaches the window from a control of its own (the help text
  // scrolling) is that control's business.
  if (watched == parent()) {
    QWidget* focus = QApplication::focusWidget();
    if (focus && focus != parent()) return false;
  }
  if (game_.window.mutationMode) return mutationKey(key->key());
  return watched == board_ && boardKey(key->key());
}

bool GameKeys::mutationKey(int key) {
  switch (key) {
    case Qt::Key_Up:
    case Qt::Key_Backtab:
      run_([this] { walkCharacteristics(game_, -1); });
      return true;
    case Qt::Key_Down:
    case Qt::Key_Tab:
      run_([this] { walkCharacteristics(game_, 1); });
      return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      run_([this] { buyChosenStep(game_); });
      return true;
    default:
      return false;
  }
}

bool GameKeys::boardKey(int key) {
  switch (key) {
    case Qt::Key_Left:
      run_([this] { moveCursor(game_, -1, 0); });
      break;
    case Qt::Key_Right:
      run_([this] { moveCursor(game_, 1, 0); });
      break;
    case Qt::Key_Up:
      run_([this] { moveCursor(game_, 0, -1); });
      break;
    case Qt::Key_Down:
      run_([this] { moveCursor(game_, 0, 1); });
      break;
    case Qt::Key_Home:
      run_([this] { cursorHome(game_); });
      break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
      run_([this] { pressCursorCell(game_); });
      break;
    default:
      return false;
  }
  board_->announceMarkedCell();
  return true;
}

void showMutationChoice(CharacteristicsPanel* panel, const Game& game) {
  std::vector<QString> offers;
  if (game.window.mutationMode)
    for (Characteristic c : kCharacteristics) offers.push_back(QString::fromStdString(offerReading(game, c)));
  panel->setOffers(offers);
  const std::optional<Characteristic> chosen = chosenCharacteristic(game);
  panel->showChosen(chosen ? static_cast<int>(*chosen) : -1);
}

}  // namespace klebony
