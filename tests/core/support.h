// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Test helpers: an outcome recorder that writes the same lines as the
// headless driver, and positions built from text.
#include <string>
#include <string_view>
#include <vector>

#include "core/game.h"
#include "core/rules.h"
#include "tests/core/recorder.h"

namespace klebony::test {

// A game with a recorder attached, every organism at its new-game values,
// the board all free and hidden, names set. Its random source takes only
// scripted draws: a draw past the script fails the test.
struct TestGame {
  Game game;
  Recorder rec;
  TestGame();
  World& world() { return game.world; }
  Organism& org(int k) { return game.world.organisms[k]; }
  // Queue the next random draws.
  void draws(std::initializer_list<int64_t> values);
  // The generator with a fixed seed instead of a script: the same draws on every run.
  void seed(uint64_t value);
};

// Rows of text, one string per y, one character per x: '0'..'4' an owner,
// '.' or '5' a free cell. Rows shorter than 36 leave the rest free. Sizes are
// set from the cells owned, and alive from size; visibility is recomputed.
// How many cells the player sees.
int visibleCount(const World& world);

void setBoard(World& world, const std::vector<std::string_view>& rows);

// Queue the draws of a new game: every cell frame 0 (so no animation step
// draws a period), then the placement draws x, y for each (x, y) given.
void queueNewGameDraws(Random& random, const std::vector<std::pair<int, int>>& places);

}  // namespace klebony::test
