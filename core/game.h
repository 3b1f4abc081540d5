#pragma once
// A game as the game window plays it: the world, the random source, the
// window state that the rules read and write, and where outcomes go.
#include <string>

#include "outcomes.h"
#include "panel.h"
#include "random.h"
#include "world.h"

namespace klebony {

// The game window's state that the rules read and write. The Qt window shows
// it and binds real timers to t1/t2; the headless driver prints it.
struct WindowState {
  bool mutationMode = false;
  bool hodEnabled = true;
  std::string hodCaption = "Ход 1";
  std::string bmutCaption = "Мутация +";
  bool helpVisible = false;
  int hoverX = 0;
  int hoverY = 0;
  std::string h1;
  std::string h2;
  bool t1 = false;
  bool t2 = false;
  std::string eName = "Тарвилис";  // text of the name dialog's edit box
  PanelView panel;
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
