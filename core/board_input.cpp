#include "rules.h"
#include "window_steps.h"

namespace klebony {

void onCellHover(Game& game, int x, int y) {
  if (game.window.mutationMode || !onBoard(x, y)) return;
  refreshAffordability(game);
  game.window.hoverX = x;
  game.window.hoverY = y;
  const Cell& c = game.world.cell(x, y);
  const bool enemy = c.owner >= 0 && c.owner < kOpponentCount;
  if (c.owner == kFree && c.visible) showStatus(game, "Эта клетка еще не моя... надо ее заразить! :-)");
  if (c.owner == kPlayer) showStatus(game, "Это всё мои-и-и клетки, клё-ё-ёво!!!");
  if (enemy && c.visible) showStatus(game, "Внимание!!! ВРАГ! ВРАГ! УНИЧТОЖИТЬ ВРАГА!!!");
  if (!c.visible) showStatus(game, "Мои сенсоры не позволяют сканировать этот сектор!");
  // A hidden cell never reveals its owner.
  showPanel(game, enemy && c.visible ? c.owner : kPlayer);
}

namespace {

void takeCell(Game& game, int x, int y) {
  World& world = game.world;
  Organism& player = world.organisms[kPlayer];
  player.size = addSaturated(player.size, 1);
  world.cell(x, y).owner = kPlayer;
  assignStrip(world, x, y, kPlayer);
  player.captured = true;
  showPanel(game, kPlayer);
  recomputeVisibility(world);
}

// Steps 3 to 6 of a click: whatever the cell, the victory test follows.
void reachForCell(Game& game, int x, int y) {
  World& world = game.world;
  const Cell& c = world.cell(x, y);
  if (!c.visible || c.owner == kPlayer) return;
  if (!touchesOwner(world, x, y, kPlayer)) {
    game.out().playSound(Sound::No, SoundMode::Async);
    return;
  }
  const Organism& player = world.organisms[kPlayer];
  const int owner = c.owner;
  if (owner == kFree && player.agsize > player.size) {
    game.out().playSound(Sound::Zahvat, SoundMode::Async);
    takeCell(game, x, y);
    return;
  }
  if (owner >= 0 && owner < kOpponentCount && battle(game, kPlayer, owner, true) == kPlayer) {
    takeCell(game, x, y);
    return;
  }
  game.out().playSound(Sound::No, SoundMode::Async);
}

}  // namespace

void onCellClick(Game& game, int x, int y) {
  if (!onBoard(x, y)) return;
  if (game.window.mutationMode || game.world.organisms[kPlayer].captured) {
    game.out().playSound(Sound::No, SoundMode::Async);
    return;
  }
  reachForCell(game, x, y);
  if (allOpponentsGone(game.world)) announceVictory(game);
}

// Positions outside the picture come while a button is held and dragged off
// the board; they name no cell.
void GameBoxMouseMove(Game& game, int px, int py) {
  if (px < 0 || py < 0 || px >= kBoardPixels || py >= kBoardPixels) return;
  onCellHover(game, px / kCellPixels, py / kCellPixels);
}

void GameBoxMouseDown(Game& game, int px, int py) {
  if (px < 0 || py < 0 || px >= kBoardPixels || py >= kBoardPixels) return;
  onCellClick(game, px / kCellPixels, py / kCellPixels);
}

}  // namespace klebony
