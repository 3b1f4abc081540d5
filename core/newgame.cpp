#include "rules.h"
#include "window_steps.h"

namespace klebony {

namespace {
const char* const kOpponentNames[kOpponentCount] = {"Зеномиус", "Акиус", "Уренус", "Свиус"};
}

std::string hodCaption(int32_t turn) { return "Ход " + std::to_string(int64_t{turn} + 1); }

void resetMutationControls(Game& game) {
  game.window.mutationMode = false;
  game.window.bmutCaption = "Мутация +";
  game.window.hodEnabled = true;
}

void newGame(Game& game) {
  World& world = game.world;
  game.window.helpVisible = false;
  resetMutationControls(game);
  game.out().controlsChanged();

  // The draws come in this exact order (x outer, y inner; frame, then the
  // step that may draw a period), so a scripted game replays the same way.
  for (int x = 0; x < kBoardSize; ++x)
    for (int y = 0; y < kBoardSize; ++y) {
      Cell& c = world.cell(x, y);
      c.owner = kFree;
      c.visible = false;
      assignStrip(world, x, y, kFree);
      c.px = x * kCellPixels;
      c.py = y * kCellPixels;
      c.frame = random(game, kCellFrames);
      stepCellAnimation(c, game.random);
    }

  int px = 0, py = 0;
  for (int j = 0; j < kOrganismCount; ++j) {
    do {
      px = random(game, kBoardSize);
      py = random(game, kBoardSize);
    } while (world.cell(px, py).owner != kFree);
    world.cell(px, py).owner = j;
    assignStrip(world, px, py, j);
  }
  world.cell(px, py).visible = true;
  game.window.hoverX = px;
  game.window.hoverY = py;

  for (int k = 0; k < kOrganismCount; ++k) {
    resetOrganism(world, k);
    world.organisms[k].tentacles = {};
  }
  for (int k = 0; k < kOpponentCount; ++k) world.organisms[k].name = kOpponentNames[k];
  world.organisms[kPlayer].name = game.window.eName;

  world.turn = 0;
  game.window.hodCaption = hodCaption(world.turn);
  game.out().controlsChanged();

  refreshAffordability(game);
  showPanel(game, kPlayer);
}

void activateGameWindow(Game& game) {
  if (game.world.gameReady) return;
  newGame(game);
  game.world.gameReady = true;
}

void gameWindowClosed(Game& game) { game.world.gameReady = false; }

void afterGameLoaded(Game& game) {
  resetMutationControls(game);
  game.window.hodCaption = hodCaption(game.world.turn);
  game.window.helpVisible = false;
  game.out().controlsChanged();
  refreshAffordability(game);
  showPanel(game, kPlayer);
}

}  // namespace klebony
