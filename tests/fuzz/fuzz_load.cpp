// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Arbitrary bytes as a saved game: either the load is refused and nothing of
// the running game changed (not even a random draw), or the loaded game saves
// back to exactly these bytes, and so loads again to the same game.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "core/game.h"
#include "core/rules.h"
#include "persist/savefile.h"

namespace {

using namespace klebony;

void require(bool ok, const char* what) {
  if (ok) return;
  std::fprintf(stderr, "fuzz_load: %s\n", what);
  std::abort();
}

bool sameDraws(Random a, Random b) {
  for (int i = 0; i < 8; ++i)
    if (a(1 << 30) != b(1 << 30)) return false;
  return true;
}

const Game& runningGame() {
  static const Game game = [] {
    Game g;
    g.random.seed(2003);
    enterGame(g);
    for (int i = 0; i < 3; ++i) endTurn(g);
    return g;
  }();
  return game;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  // Most inputs are refused and leave the game alone, so it is copied afresh
  // only after a load.
  static Game game = runningGame();
  static const World& before = runningGame().world;
  static const Random& randomBefore = runningGame().random;

  if (!loadGameFromBytes(game.world, game.random, bytes)) {
    require(game.world == before, "a refused file changed the world");
    require(sameDraws(game.random, randomBefore), "a refused file used random draws");
    return 0;
  }
  require(game.world.gameReady == before.gameReady, "a load touched gameReady");
  // The window is brought in line as after the menu command.
  gameLoaded(game);

  const auto again = encodeSave(game.world);
  require(again.has_value(), "a loaded game cannot be saved");
  // Byte for byte the same file: loading it again gives this very game.
  require(*again == bytes, "a loaded game saves to other bytes");
  game = runningGame();
  return 0;
}
