#pragma once
// The state of one game: the board, the five organisms, the turn counter.
#include <array>
#include <cstdint>
#include <string>

namespace klebony {

inline constexpr int kBoardSize = 36;   // cells per side
inline constexpr int kCellPixels = 12;  // a cell is 12 x 12 pixels on the board picture
inline constexpr int kBoardPixels = kBoardSize * kCellPixels;
inline constexpr int kOrganismCount = 5;  // 0..3 computer organisms, 4 the player
inline constexpr int kOpponentCount = 4;
inline constexpr int kPlayer = 4;
inline constexpr int kFree = 5;  // owner code of a free cell
inline constexpr int kTentacleSlots = 20;
inline constexpr int kCellFrames = 6;
inline constexpr int kAminCap = 900000;
inline constexpr int kAgsizeGrowthLimit = 1301;

struct Cell {
  int32_t owner = 0;
  bool visible = false;
  int32_t px = 0;
  int32_t py = 0;
  int32_t frame = 0;
  int32_t tick = 0;
  int32_t period = 0;
  // Row of the cell's picture strip in the organism sheet; set by assignStrip
  // together with every change of owner.
  int32_t strip = 0;

  bool operator==(const Cell&) const = default;
};

struct Tentacle {
  bool active = false;
  int32_t travel = 0;
};

// One record for the player and the computer organisms alike; the field
// order is the order of the saved file.
struct Organism {
  bool alive = false;
  std::string name;  // UTF-8
  bool mutated = false;
  int32_t amin = 0;
  int32_t hp = 0;
  int32_t live = 0;
  int32_t reg = 0;
  int32_t speed = 0;
  int32_t size = 0;
  int32_t agsize = 0;
  bool captured = false;
  int32_t sensor = 0;
  int32_t kolschup = 0;
  int32_t urschup = 0;
  std::array<Tentacle, kTentacleSlots> tentacles{};
  int32_t bitv = 0;
  int32_t schip = 0;
  int32_t lezvie = 0;
  int32_t kleschni = 0;
  int32_t hvost = 0;
  int32_t spory = 0;
  int32_t zschip = 0;
  int32_t zlezvie = 0;
  int32_t zkleschni = 0;
  int32_t zhvost = 0;
  int32_t zspory = 0;

  bool operator==(const Organism&) const = default;
};

inline bool operator==(const Tentacle& a, const Tentacle& b) {
  return a.active == b.active && a.travel == b.travel;
}

struct World {
  // board[x][y]: x is the column (0 at the left), y the row (0 at the top).
  std::array<std::array<Cell, kBoardSize>, kBoardSize> board{};
  std::array<Organism, kOrganismCount> organisms{};
  int32_t turn = 0;
  bool gameReady = false;

  bool operator==(const World&) const = default;

  Cell& cell(int x, int y) { return board[x][y]; }
  const Cell& cell(int x, int y) const { return board[x][y]; }
};

class Random;

bool onBoard(int x, int y);
// Row of the owner's strip in the organism sheet: free 0, then 24, 48, 72 (player), 96, 120.
int32_t stripRow(int owner);
void assignStrip(World& world, int x, int y, int owner);
// True when one of the four neighbours of (x, y) on the board is owned by `owner`.
bool touchesOwner(const World& world, int x, int y, int owner);
void resetOrganism(World& world, int k);
void stepCellAnimation(Cell& cell, Random& random);
void recomputeVisibility(World& world);
// Saturating helpers for stock additions: a value that would leave int32 stays at its limit.
int32_t saturate32(int64_t v);
int32_t addSaturated(int32_t a, int64_t b);

}  // namespace klebony
