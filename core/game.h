// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A game as the game window plays it: the world, the random source, the
// window state that the rules read and write, and where outcomes go.
#include <string>

#include "core/outcomes.h"
#include "core/panel.h"
#include "core/random.h"
#include "core/world.h"

namespace klebony {

// The game window's state that the rules read and write. The Qt window shows
// it and binds real timers to the two status lines; the headless driver
// prints it.
struct WindowState {
  bool mutationMode = false;
  bool turnButtonEnabled = true;
  std::string turnButtonCaption = "Ход 1";
  std::string mutationButtonCaption = "Мутация +";
  bool helpVisible = false;
  int hoverX = 0;  // the cell under the marker
  int hoverY = 0;
  // The keyboard has placed the marker in this game: its first key goes to
  // the player's own cell, later ones move on from wherever the marker is.
  bool cursorPlaced = false;
  // The characteristic picked by the keys in the mutation mode, -1 for none.
  int chosenCharacteristic = -1;
  std::string upperStatus;              // the newest text
  std::string lowerStatus;              // the one before it
  bool upperTimerRunning = false;       // clears the upper line after 4.5 s
  bool lowerTimerRunning = false;       // clears the lower line after 3 s
  std::string playerName = "Тарвилис";  // as typed in the name dialog
  PanelView panel;

  bool operator==(const WindowState&) const = default;
};

struct Game {
  World world;
  Random random;
  WindowState window;
  Outcomes* outcomes = &silent;

  Outcomes& out() { return *outcomes; }

 private:
  static inline Outcomes silent;
};

// random(n) of the game's one source.
inline int32_t random(Game& game, int32_t n) { return game.random(n); }

}  // namespace klebony
