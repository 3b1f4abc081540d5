// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Whole games played through the window's own operations by a random player
// against the four computer organisms. Shared by the soak test and the soak
// benchmark, so it needs nothing but the rules.
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "core/game.h"
#include "core/mutation.h"
#include "core/panel.h"
#include "core/rules.h"

namespace klebony::soak {

enum class Ending { Victory, Defeat, TurnLimit };

// Normal games start as the window starts them. Crowded games hand the computer
// organisms a stock and room to grow from the first turn, so that contact,
// battles, mutations past aggression 20, tentacles, sabotage and the player's
// defeat come early. Lone games leave one computer organism, close to a strong
// player with keen sensors, so that games end in victory too.
enum class Variant { Normal, Crowded, Lone };

struct GameResult {
  Ending ending = Ending::TurnLimit;
  int turns = 0;  // ends of turn played
  // An invariant that broke, with the turn it broke in; empty when all held.
  std::string fault;
};

// Knows when the game has ended and which message ended it.
class EndWatcher : public Outcomes {
 public:
  bool ended = false;
  bool defeat = false;
  void showMessage(const std::string& text) override {
    if (text == "Ну, все, БЛИН! Замочили меня! :-(") defeat = true;
  }
  void endGame() override { ended = true; }
};

// Called after every end of turn; returns a description of a broken invariant, or "".
using TurnCheck = std::function<std::string(const Game&)>;

class RandomPlayer {
 public:
  explicit RandomPlayer(uint64_t seed) : choice_(seed) {}

  // One turn of the player's hand: look around, reach for cells, perhaps
  // mutate, then end the turn (sometimes trying it with the mode still on).
  void playTurn(Game& game) {
    for (int i = pick(4); i > 0; --i) inspectCell(game, pick(kBoardSize), pick(kBoardSize));
    if (pick(3) == 0) hoverPanelItem(game, anyPanelItem());
    for (int i = 1 + pick(3); i > 0 && !watcher(game).ended; --i) clickNeighbour(game);
    if (watcher(game).ended) return;
    if (pick(2) == 0) mutate(game);
    if (game.window.mutationMode && pick(4) == 0) endTurn(game);  // refused: the turn button is disabled
    if (game.window.mutationMode) toggleMutationMode(game);
    endTurn(game);
  }

 private:
  int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(choice_); }
  static EndWatcher& watcher(Game& game) { return static_cast<EndWatcher&>(game.out()); }

  void clickNeighbour(Game& game) {
    std::vector<std::pair<int, int>> cells;
    for (int x = 0; x < kBoardSize; ++x)
      for (int y = 0; y < kBoardSize; ++y)
        if (game.world.cell(x, y).owner == kPlayer) cells.emplace_back(x, y);
    if (cells.empty() || pick(8) == 0) {
      reachForCell(game, pick(kBoardSize), pick(kBoardSize));
      return;
    }
    static constexpr int dx[] = {1, -1, 0, 0};
    static constexpr int dy[] = {0, 0, 1, -1};
    // Half the time head for the nearest enemy, attacking it once it is next to the body.
    if (pick(2) == 0) {
      if (const auto target = towardsEnemy(game, cells)) {
        inspectCell(game, target->first, target->second);
        reachForCell(game, target->first, target->second);
        return;
      }
    }
    const auto [x, y] = cells[pick(static_cast<int>(cells.size()))];
    const int d = pick(4);
    inspectCell(game, x + dx[d], y + dy[d]);
    reachForCell(game, x + dx[d], y + dy[d]);
  }

  // The cell next to the body that lies closest to an enemy cell, by a
  // breadth-first walk out of every enemy cell.
  static std::optional<std::pair<int, int>> towardsEnemy(const Game& game,
                                                         const std::vector<std::pair<int, int>>& body) {
    static constexpr int dx[] = {1, -1, 0, 0};
    static constexpr int dy[] = {0, 0, 1, -1};
    std::array<std::array<int, kBoardSize>, kBoardSize> distance;
    std::array<int, kBoardSize * kBoardSize> queue;  // x * kBoardSize + y
    int tail = 0;
    for (int x = 0; x < kBoardSize; ++x)
      for (int y = 0; y < kBoardSize; ++y) {
        const bool enemy = game.world.cell(x, y).owner < kOpponentCount;
        distance[x][y] = enemy ? 0 : -1;
        if (enemy) queue[tail++] = x * kBoardSize + y;
      }
    for (int head = 0; head < tail; ++head) {
      const int x = queue[head] / kBoardSize, y = queue[head] % kBoardSize;
      for (int d = 0; d < 4; ++d) {
        const int nx = x + dx[d], ny = y + dy[d];
        if (nx < 0 || ny < 0 || nx >= kBoardSize || ny >= kBoardSize || distance[nx][ny] >= 0) continue;
        distance[nx][ny] = distance[x][y] + 1;
        queue[tail++] = nx * kBoardSize + ny;
      }
    }
    std::optional<std::pair<int, int>> best;
    int bestDistance = -1;
    for (const auto& [x, y] : body)
      for (int d = 0; d < 4; ++d) {
        const int nx = x + dx[d], ny = y + dy[d];
        if (!onBoard(nx, ny) || game.world.cell(nx, ny).owner == kPlayer || distance[nx][ny] < 0) continue;
        if (!best || distance[nx][ny] < bestDistance) {
          best = {nx, ny};
          bestDistance = distance[nx][ny];
        }
      }
    return best;
  }

  void mutate(Game& game) {
    toggleMutationMode(game);
    // Mostly a caption; sometimes a count or the key legend.
    const PanelItem item =
        pick(5) == 0 ? anyPanelItem() : PanelItem::of(kCharacteristics[pick(kCharacteristicCount)]);
    clickPanelItem(game, item);
    if (pick(6) == 0) clickPanelItem(game, item);  // a second try in the same turn
  }

  // A row of the panel or the key legend.
  PanelItem anyPanelItem() {
    const std::vector<PanelRow>& rows = panelRows();
    const int n = pick(static_cast<int>(rows.size()) + 1);
    return n < static_cast<int>(rows.size()) ? rows[n].item : PanelItem{PanelItem::Kind::KeyLegend};
  }

  std::mt19937_64 choice_;
};

inline GameResult playGame(uint64_t seed, int turnLimit, Variant variant = Variant::Normal,
                           const TurnCheck& check = {}) {
  Game game;
  EndWatcher watcher;
  game.outcomes = &watcher;
  game.random.seed(seed);
  game.window.playerName = "Солдат";
  newGame(game);
  game.world.gameReady = true;
  if (variant == Variant::Crowded)
    for (int k = 0; k < kOpponentCount; ++k) {
      game.world.organisms[k].aminoAcids = 20000;
      game.world.organisms[k].aggression = 200;
    }
  if (variant == Variant::Lone) {
    for (auto& column : game.world.board)
      for (Cell& c : column)
        if (c.owner < kOpponentCount) {
          c.owner = kFree;
          c.strip = stripRow(kFree);
        }
    for (int k = 1; k < kOpponentCount; ++k) {
      game.world.organisms[k].size = 0;
      game.world.organisms[k].alive = false;
    }
    // The survivor starts a few cells from the player (whose cell the set-up hovers).
    const int x = game.window.hoverX < kBoardSize / 2 ? game.window.hoverX + 4 : game.window.hoverX - 4;
    game.world.cell(x, game.window.hoverY).owner = 0;
    assignStrip(game.world, x, game.window.hoverY, 0);
    Organism& p = game.world.organisms[kPlayer];
    p.spike = 40;
    p.sensors = 5;
    p.aggression = 400;
    recomputeVisibility(game.world);
  }
  RandomPlayer player(seed ^ 0x9e3779b97f4a7c15ULL);

  GameResult result;
  while (result.turns < turnLimit) {
    const int32_t before = game.world.turn;
    player.playTurn(game);
    if (game.world.turn != before) ++result.turns;
    if (check && game.world.turn != before) {
      std::string fault = check(game);
      if (!fault.empty()) {
        result.fault = "turn " + std::to_string(game.world.turn) + ": " + fault;
        return result;
      }
    }
    if (watcher.ended) {
      result.ending = watcher.defeat ? Ending::Defeat : Ending::Victory;
      return result;
    }
  }
  return result;
}

}  // namespace klebony::soak
