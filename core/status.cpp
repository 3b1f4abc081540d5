// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The two status lines under the board and the help panel.
#include "core/rules.h"

namespace klebony {

void showStatus(Game& game, const std::string& text) {
  WindowState& w = game.window;
  // The same text again keeps its clearing time.
  if (text == w.upperStatus) return;
  Outcomes& out = game.out();
  w.upperTimerRunning = false;
  out.statusTimer(StatusLine::Upper, false);
  w.lowerTimerRunning = false;
  out.statusTimer(StatusLine::Lower, false);
  w.lowerStatus = w.upperStatus;
  w.lowerTimerRunning = true;
  out.statusTimer(StatusLine::Lower, true);
  w.upperStatus = text;
  out.statusShown(text);
  w.upperTimerRunning = true;
  out.statusTimer(StatusLine::Upper, true);
}

namespace {

// A stopped timer does not fire; a late tick after a stop must not clear a newer text.
void expire(Game& game, StatusLine line, std::string& text, bool& running) {
  if (!running) return;
  text.clear();
  running = false;
  game.out().statusTimer(line, false);
  game.out().statusCleared(line);
}

}  // namespace

void upperStatusExpired(Game& game) {
  expire(game, StatusLine::Upper, game.window.upperStatus, game.window.upperTimerRunning);
}

void lowerStatusExpired(Game& game) {
  expire(game, StatusLine::Lower, game.window.lowerStatus, game.window.lowerTimerRunning);
}

void returnToMenu(Game& game) { game.out().endGame(); }

void toggleHelp(Game& game) {
  game.window.helpVisible = !game.window.helpVisible;
  game.out().controlsChanged();
}

void closeHelp(Game& game) {
  game.window.helpVisible = false;
  game.out().controlsChanged();
}

}  // namespace klebony
