// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game window: the board, the title with the hearts, the characteristics
// panel, the status lines, the menu and the help. It forwards every event to
// the rules and presents their outcomes.
#include <QMainWindow>
#include <memory>

#include "core/game.h"
#include "ui/game/game_commands.h"
#include "ui/ports.h"

namespace klebony {

class GameWindow : public QMainWindow {
  Q_OBJECT
 public:
  GameWindow(Game& game, const Ports& ports, QWidget* parent = nullptr);
  ~GameWindow() override;

  // Shows the window application-modal and centred; returns when the modal
  // showing ends ("Меню", Delete, the end of a game, or the close box).
  void showModal();

  // One 40 ms drawing step (the board, the marker, the hearts).
  void drawingStep();

  // The commands' table, in the menus' order; each is the QAction "<name>Action".
  const std::vector<GameCommand>& commands() const;

 signals:
  void quitRequested();   // "Выход" or Esc: the application ends
  void aboutRequested();  // "О программе"

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  struct Parts;
  std::unique_ptr<Parts> d;
};

}  // namespace klebony
