// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The start screen: the application's main window with its living
// background and the buttons "Игра", "Настройки" and "Выход".
#include <QTimer>
#include <QWidget>
#include <functional>

#include "ui/shell/menu_background.h"

class QPushButton;

namespace klebony {

struct Assets;
class SoundPort;
class ButtonCover;

class StartScreen : public QWidget {
  Q_OBJECT
 public:
  // Its creation seeds the game's random source and sets up the background.
  StartScreen(Game& game, const Assets& assets, SoundPort& sound, QWidget* parent = nullptr);

  // What "Игра" and "Настройки" show modally; set once the other windows exist.
  void setGameWindow(std::function<void()> showModal) { showGame_ = std::move(showModal); }
  void setSettingsDialog(std::function<void()> showModal) { showSettings_ = std::move(showModal); }

  // Esc or "Выход" in the game window: once the game window's showing has
  // ended, the start screen closes instead of coming back.
  void quitFromGame();

  MenuBackground& background() { return background_; }
  QTimer animationTimer;
  QPushButton* playButton = nullptr;
  QPushButton* nameButton = nullptr;
  QPushButton* quitButton = nullptr;

  void animationStep();
  void playGame();
  void showNameDialog();
  void quit();

 signals:
  // The first frame reached the screen (start-up measures it, sounds load after it).
  void firstPainted();
  // The start screen was closed ("Выход", its close box): the application ends.
  void closed();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  Game& game_;
  SoundPort& sound_;
  MenuBackground background_;
  std::function<void()> showGame_;
  std::function<void()> showSettings_;
  bool inGame_ = false;
  bool quitting_ = false;
  bool painted_ = false;
  ButtonCover* buttonCover_ = nullptr;
};

}  // namespace klebony
