// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the fuzzer's seed corpus: saves of games played by the rules
// themselves, from a new game to decided ones. Usage: fuzz_make_corpus FOLDER
#include <cstdio>
#include <fstream>
#include <string>

#include "core/game.h"
#include "core/mutation.h"
#include "core/rules.h"
#include "persist/savefile.h"

using namespace klebony;

namespace {

void write(const std::string& folder, const std::string& name, const World& world) {
  const auto bytes = encodeSave(world);
  if (!bytes || !decodeSave(*bytes)) {
    std::fprintf(stderr, "%s: not a sound save\n", name.c_str());
    std::exit(1);
  }
  std::ofstream(folder + "/" + name + ".klb", std::ios::binary) << *bytes;
}

// Sizes and alive flags after cells changed hands.
void recount(World& world) {
  for (auto& o : world.organisms) o.size = 0;
  for (auto& column : world.board)
    for (Cell& c : column)
      if (c.owner < kOrganismCount) ++world.organisms[c.owner].size;
  for (auto& o : world.organisms) o.alive = o.size > 0;
}

Game played(uint64_t seed, const std::string& name, int turns) {
  Game game;
  game.random.seed(seed);
  game.window.playerName = name;
  enterGame(game);
  for (int t = 0; t < turns; ++t) {
    // The player grabs what it can reach, buys a step now and then, and ends the turn.
    for (int x = 0; x < kBoardSize && !game.world.organisms[kPlayer].captured; ++x)
      for (int y = 0; y < kBoardSize && !game.world.organisms[kPlayer].captured; ++y)
        if (game.world.cell(x, y).visible && game.world.cell(x, y).owner != kPlayer &&
            touchesOwner(game.world, x, y, kPlayer))
          reachForCell(game, x, y);
    if (t % 3 == 0) playerMutate(game, kCharacteristics[t % kCharacteristicCount]);
    endTurn(game);
  }
  return game;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
    return 2;
  }
  const std::string folder = argv[1];
  write(folder, "new-game", played(1, "Тарвилис", 0).world);
  write(folder, "empty-name", played(2, "", 0).world);
  write(folder, "turn-40", played(3, "Вася", 40).world);
  write(folder, "turn-300", played(4, "Ёж №5 — «клебон»", 300).world);

  Game rich = played(5, "Длинноеимяигрока", 120);
  Organism& p = rich.world.organisms[kPlayer];
  p.tentacleCount = kTentacleSlots;
  for (auto& t : p.tentacles) t = {true, 3};
  p.tentacleLevel = 10;
  p.aminoAcids = 2000000000;
  p.mutated = p.captured = true;
  write(folder, "rich", rich.world);

  // Games one step from their end (a decided one is no saved game): the
  // player down to its last cell, and one computer organism left.
  Game cornered = played(6, "Проигравший", 10);
  bool kept = false;
  for (auto& column : cornered.world.board)
    for (Cell& c : column)
      if (c.owner == kPlayer) {
        if (kept) c.owner = 0;
        kept = true;
      }
  recount(cornered.world);
  write(folder, "player-last-cell", cornered.world);

  Game winning = played(7, "Победитель", 10);
  for (auto& column : winning.world.board)
    for (Cell& c : column)
      if (c.owner > 0 && c.owner < kOpponentCount) c.owner = kFree;
  recount(winning.world);
  write(folder, "one-opponent-left", winning.world);
  return 0;
}
