// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Many whole games, with the world's invariants checked after every turn.
// KLEBONY_SOAK_GAMES sets the number of games (default below).
#include <gtest/gtest.h>

#include <array>
#include <cstdlib>

#include "tests/core/soak_play.h"

namespace klebony {
namespace {

std::string checkWorld(const Game& game) {
  const World& w = game.world;
  std::array<int, kOrganismCount> cells{};
  for (const auto& column : w.board)
    for (const Cell& c : column) {
      if (c.owner < 0 || c.owner > kFree) return "owner code " + std::to_string(c.owner);
      if (c.owner < kOrganismCount) ++cells[c.owner];
    }
  for (int k = 0; k < kOrganismCount; ++k) {
    const Organism& o = w.organisms[k];
    const std::string who = "organism " + std::to_string(k) + " ";
    if (o.size != cells[k])
      return who + "size " + std::to_string(o.size) + " owns " + std::to_string(cells[k]);
    if (o.alive != (cells[k] > 0)) return who + "alive flag disagrees with the board";
    int active = 0;
    for (const Tentacle& t : o.tentacles) active += t.active ? 1 : 0;
    if (o.tentacleCount != active)
      return who + "kolschup " + std::to_string(o.tentacleCount) + " slots " + std::to_string(active);
    if (o.tentacleCount > kTentacleSlots) return who + "more than 20 tentacles";
    if (o.tentacleLevel < 0 || o.tentacleLevel > 10)
      return who + "urschup " + std::to_string(o.tentacleLevel);
    if (o.aminoAcids < 0) return who + "negative stock";
    if (k < kOpponentCount && o.size > o.aggression) return who + "owns more than its aggression allows";
    if (k < kOpponentCount && o.sensors > 36) return who + "sensor past 36";
  }
  const Organism& player = w.organisms[kPlayer];
  if (player.captured || player.mutated) return "per-turn flags not cleared";
  if (player.alive) {
    const int s = player.sensors;
    std::array<std::array<bool, kBoardSize>, kBoardSize> seen{};
    for (int x = 0; x < kBoardSize; ++x)
      for (int y = 0; y < kBoardSize; ++y)
        if (w.cell(x, y).owner == kPlayer)
          for (int i = std::max(0, x - s); i <= std::min(kBoardSize - 1, x + s); ++i)
            for (int j = std::max(0, y - s); j <= std::min(kBoardSize - 1, y + s); ++j) seen[i][j] = true;
    for (int x = 0; x < kBoardSize; ++x)
      for (int y = 0; y < kBoardSize; ++y)
        if (w.cell(x, y).visible != seen[x][y])
          return "visibility of (" + std::to_string(x) + ", " + std::to_string(y) + ") is wrong";
  }
  if (game.window.mutationMode || !game.window.turnButtonEnabled)
    return "mutation mode left on after the turn";
  if (game.window.turnButtonCaption != "Ход " + std::to_string(w.turn + 1))
    return "turn caption " + game.window.turnButtonCaption;
  return "";
}

int gamesToPlay() {
  if (const char* env = std::getenv("KLEBONY_SOAK_GAMES")) {
    const int n = std::atoi(env);
    if (n > 0) return n;
  }
  return 240;
}

TEST(Soak, WholeGamesKeepTheWorldConsistent) {
  constexpr int kTurnLimit = 250;
  const int games = gamesToPlay();
  int victories = 0, defeats = 0, unfinished = 0;  // over all three kinds of start
  for (int g = 0; g < games; ++g) {
    const auto variant = static_cast<soak::Variant>(g % 3);
    const soak::GameResult r = soak::playGame(1000 + g, kTurnLimit, variant, checkWorld);
    ASSERT_EQ(r.fault, "") << "seed " << 1000 + g;
    victories += r.ending == soak::Ending::Victory;
    defeats += r.ending == soak::Ending::Defeat;
    unfinished += r.ending == soak::Ending::TurnLimit;
  }
  RecordProperty("victories", victories);
  RecordProperty("defeats", defeats);
  RecordProperty("unfinished", unfinished);
  // Most games outlast the limit, but both endings must come up.
  EXPECT_GT(victories, 0);
  EXPECT_GT(defeats, 0);
}

}  // namespace
}  // namespace klebony
