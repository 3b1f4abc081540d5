// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The keys that play without a mouse: arrows, Home, Enter and Space on the
// board; Up, Down, Tab and Enter among the characteristics in the mutation
// mode; F10 for the menus. The commands' own keys (H, M, Delete, Esc, F1)
// stay with the window and pass through here untouched.
#include <QObject>
#include <functional>

class QMenuBar;
class QWidget;

namespace klebony {

struct Game;
class BoardView;
class CharacteristicsPanel;

class GameKeys : public QObject {
 public:
  // Runs one of the window's handlers, so that the end of a game waits for it.
  using Run = std::function<void(const std::function<void()>&)>;

  GameKeys(Game& game, BoardView* board, QMenuBar* menus, Run run, QObject* parent);
  // A widget whose focus plays: the window itself and its buttons.
  void watch(QWidget* widget);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool mutationKey(int key);
  bool boardKey(int key);

  Game& game_;
  BoardView* board_;
  QMenuBar* menus_;
  Run run_;
};

// The panel's part of the keys: the picked caption marked, and the captions'
// offers for a screen reader while the mutation mode is on.
void showMutationChoice(CharacteristicsPanel* panel, const Game& game);

}  // namespace klebony
