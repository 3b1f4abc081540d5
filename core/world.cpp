// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/world.h"

#include <algorithm>
#include <limits>

#include "core/animation.h"
#include "core/characteristics.h"
#include "core/random.h"

namespace klebony {

bool onBoard(int x, int y) { return x >= 0 && x < kBoardSize && y >= 0 && y < kBoardSize; }

int32_t stripRow(int owner) {
  switch (owner) {
    case 0:
      return 24;
    case 1:
      return 48;
    case kPlayer:
      return 72;
    case 2:
      return 96;
    case 3:
      return 120;
    default:
      return 0;  // free, and anything a damaged file may hold
  }
}

void assignStrip(World& world, int x, int y, int owner) { world.cell(x, y).strip = stripRow(owner); }

bool touchesOwner(const World& world, int x, int y, int owner) {
  static constexpr int dx[] = {0, 0, -1, 1};
  static constexpr int dy[] = {-1, 1, 0, 0};
  for (int i = 0; i < 4; ++i) {
    int nx = x + dx[i], ny = y + dy[i];
    if (onBoard(nx, ny) && world.cell(nx, ny).owner == owner) return true;
  }
  return false;
}

void resetOrganism(World& world, int k) {
  Organism& o = world.organisms[k];
  o.alive = true;
  o.mutated = false;
  o.aminoAcids = 0;
  o.hp = 10;
  o.size = 1;
  o.captured = false;
  o.battlesWon = 0;
  for (const CharacteristicInfo& c : kCharacteristicTable) o.*c.level = c.newGameLevel;
}

void resetBoard(World& world, Random& random) {
  // The draws come in this exact order (x outer, y inner; the frame, then the
  // step that may draw a period), so a scripted game replays the same way.
  for (int x = 0; x < kBoardSize; ++x)
    for (int y = 0; y < kBoardSize; ++y) {
      Cell& c = world.cell(x, y);
      c.owner = kFree;
      c.visible = false;
      assignStrip(world, x, y, kFree);
      c.px = x * kCellPixels;
      c.py = y * kCellPixels;
      c.frame = random(kCellFrames);
      stepCellAnimation(c, random);
    }
}

void stepCellAnimation(Cell& cell, Random& random) {
  if (animationStep(cell.frame, cell.tick, cell.period, kCellFrames) == AnimationStep::Wrapped)
    cell.period = random(2000) + 1300;
}

void recomputeVisibility(World& world) {
  const Organism& player = world.organisms[kPlayer];
  if (!player.alive) return;
  // A sensor past the board's width sees no more than the whole board; clamping
  // keeps a loaded extreme value from looping for ever.
  const int s = std::min<int32_t>(player.sensors, kBoardSize);
  // The union of squares is a square dilation: first along x, then along y.
  std::array<std::array<bool, kBoardSize>, kBoardSize> alongX{};
  for (int x = 0; x < kBoardSize; ++x)
    for (int y = 0; y < kBoardSize; ++y) {
      bool seen = false;
      if (s >= 0)
        for (int i = std::max(0, x - s); i <= std::min(kBoardSize - 1, x + s) && !seen; ++i)
          seen = world.cell(i, y).owner == kPlayer;
      alongX[x][y] = seen;
    }
  for (int x = 0; x < kBoardSize; ++x)
    for (int y = 0; y < kBoardSize; ++y) {
      bool seen = false;
      if (s >= 0)
        for (int j = std::max(0, y - s); j <= std::min(kBoardSize - 1, y + s) && !seen; ++j)
          seen = alongX[x][j];
      world.cell(x, y).visible = seen;
    }
}

int32_t saturate32(int64_t v) {
  constexpr int64_t lo = std::numeric_limits<int32_t>::min();
  constexpr int64_t hi = std::numeric_limits<int32_t>::max();
  return static_cast<int32_t>(std::clamp(v, lo, hi));
}

int32_t addSaturated(int32_t a, int64_t b) {
  // Any b beyond +-2^33 saturates anyway; clamping it first keeps the sum in int64.
  constexpr int64_t bound = int64_t{1} << 33;
  return saturate32(int64_t{a} + std::clamp(b, -bound, bound));
}

}  // namespace klebony
