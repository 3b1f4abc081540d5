// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Everything the rules want the user to see or hear goes through this one
// interface, in the order in which it happens. The game window presents it,
// the headless driver prints it, tests record it.
#include <string>

#include "core/sounds.h"

namespace klebony {

enum class SoundMode { Async, Sync };
// The two status lines under the board: the newest text and the one before it.
enum class StatusLine { Upper, Lower };

class Outcomes {
 public:
  virtual ~Outcomes() = default;
  virtual void playSound(Sound /*sound*/, SoundMode /*mode*/) {}
  // A modal message box; returns once the user has confirmed it.
  virtual void showMessage(const std::string& /*text*/) {}
  // A new text went into the upper status line (the lower one may have changed too).
  virtual void statusShown(const std::string& /*text*/) {}
  // A status timer was started anew (running) or stopped.
  virtual void statusTimer(StatusLine /*timer*/, bool /*running*/) {}
  // A timer cleared its line.
  virtual void statusCleared(StatusLine /*timer*/) {}
  // returnToMenu: the game is over or the player asked for the menu. The window
  // closes once the running handler has finished.
  virtual void endGame() {}
  // The panel's texts or fonts were recomputed.
  virtual void panelChanged() {}
  // The turn button, the mutation button or the help panel changed.
  virtual void controlsChanged() {}
};

}  // namespace klebony
