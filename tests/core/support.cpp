// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/core/support.h"

namespace klebony::test {

TestGame::TestGame() {
  game.outcomes = &rec;
  // Every draw a test needs is scripted; one more fails the test.
  game.random.requireScript();
  static const char* names[] = {"Зеномиус", "Акиус", "Уренус", "Свиус", "Тарвилис"};
  for (int k = 0; k < kOrganismCount; ++k) {
    resetOrganism(game.world, k);
    game.world.organisms[k].name = names[k];
  }
  for (int x = 0; x < kBoardSize; ++x)
    for (int y = 0; y < kBoardSize; ++y) {
      Cell& c = game.world.cell(x, y);
      c.owner = kFree;
      c.px = x * kCellPixels;
      c.py = y * kCellPixels;
      assignStrip(game.world, x, y, kFree);
    }
  game.world.gameReady = true;
}

void TestGame::draws(std::initializer_list<int64_t> values) {
  for (auto v : values) game.random.queue(v);
}

void TestGame::seed(uint64_t value) {
  game.random.requireScript(false);
  game.random.seed(value);
}

int visibleCount(const World& world) {
  int n = 0;
  for (const auto& column : world.board)
    for (const Cell& c : column) n += c.visible;
  return n;
}

void setBoard(World& world, const std::vector<std::string_view>& rows) {
  for (auto& o : world.organisms) o.size = 0;
  for (int y = 0; y < kBoardSize; ++y)
    for (int x = 0; x < kBoardSize; ++x) {
      int owner = kFree;
      if (y < static_cast<int>(rows.size()) && x < static_cast<int>(rows[y].size())) {
        char ch = rows[y][x];
        if (ch >= '0' && ch <= '5') owner = ch - '0';
      }
      world.cell(x, y).owner = owner;
      assignStrip(world, x, y, owner);
      if (owner < kOrganismCount) world.organisms[owner].size++;
    }
  for (auto& o : world.organisms) o.alive = o.size > 0;
  recomputeVisibility(world);
}

void queueNewGameDraws(Random& random, const std::vector<std::pair<int, int>>& places) {
  for (int i = 0; i < kBoardSize * kBoardSize; ++i) random.queue(0);
  for (auto [x, y] : places) {
    random.queue(x);
    random.queue(y);
  }
}

}  // namespace klebony::test
