#include "rules.h"

namespace klebony {

void showStatus(Game& game, const std::string& text) {
  WindowState& w = game.window;
  // The same text again keeps its clearing time.
  if (text == w.h1) return;
  Outcomes& out = game.out();
  w.t1 = false;
  out.statusTimer(StatusTimer::T1, false);
  w.t2 = false;
  out.statusTimer(StatusTimer::T2, false);
  w.h2 = w.h1;
  w.t2 = true;
  out.statusTimer(StatusTimer::T2, true);
  w.h1 = text;
  out.statusShown(text);
  w.t1 = true;
  out.statusTimer(StatusTimer::T1, true);
}

// A stopped timer does not fire; a late tick after a stop must not clear a newer text.
void T1Timer(Game& game) {
  WindowState& w = game.window;
  if (!w.t1) return;
  w.h1.clear();
  w.t1 = false;
  game.out().statusTimer(StatusTimer::T1, false);
  game.out().statusCleared(StatusTimer::T1);
}

void T2Timer(Game& game) {
  WindowState& w = game.window;
  if (!w.t2) return;
  w.h2.clear();
  w.t2 = false;
  game.out().statusTimer(StatusTimer::T2, false);
  game.out().statusCleared(StatusTimer::T2);
}

void N2Click(Game& game) { game.out().endGame(); }

void N10Click(Game& game) {
  game.window.helpVisible = !game.window.helpVisible;
  game.out().controlsChanged();
}

void BEndHelpClick(Game& game) {
  game.window.helpVisible = false;
  game.out().controlsChanged();
}

}  // namespace klebony
