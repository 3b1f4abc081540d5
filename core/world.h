// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
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
inline constexpr int kAminoAcidCap = 900000;         // the stock after the income
inline constexpr int kAggressionGrowthLimit = 1301;  // aggression grows by itself up to here

struct Cell {
  int32_t owner = 0;       // 0..3 a computer organism, 4 the player, 5 free
  bool visible = false;    // within the player's sight: drawn, and open to the player's hand
  int32_t px = 0, py = 0;  // the top-left pixel on the board picture
  // The animation: the frame shown, and `tick` grows each step until it passes `period`.
  int32_t frame = 0, tick = 0, period = 0;
  // Row of the cell's picture strip in the organism sheet; set by assignStrip
  // together with every change of owner.
  int32_t strip = 0;

  bool operator==(const Cell&) const = default;
};

struct Tentacle {
  bool active = false;
  int32_t travel = 0;
};

// One record for the player and the computer organisms alike. Its fields,
// their order in the saved file and the short names the file and the driver's
// dump keep from the game's first version are the table kOrganismFields below,
// which is also the glossary of the game's words for them.
struct Organism {
  bool alive = false;
  std::string name;  // UTF-8
  bool mutated = false;
  int32_t aminoAcids = 0;
  int32_t hp = 0;
  int32_t vitality = 0;
  int32_t regeneration = 0;
  int32_t mobility = 0;
  int32_t size = 0;
  int32_t aggression = 0;
  bool captured = false;
  int32_t sensors = 0;
  int32_t tentacleCount = 0;
  int32_t tentacleLevel = 0;
  std::array<Tentacle, kTentacleSlots> tentacles{};
  int32_t battlesWon = 0;
  int32_t spike = 0;
  int32_t blades = 0;
  int32_t claws = 0;
  int32_t tail = 0;
  int32_t spores = 0;
  int32_t piercingDefence = 0;
  int32_t cuttingDefence = 0;
  int32_t choppingDefence = 0;
  int32_t chokingDefence = 0;
  int32_t acidDefence = 0;

  bool operator==(const Organism&) const = default;
};

// A field of the record, by kind (named: clang-format 14 and 19 space a bare
// member pointer differently).
using FlagField = bool Organism::*;
using NumberField = int32_t Organism::*;

// What a field of the record holds, which fixes how the saved file writes it.
enum class FieldKind { Flag, Number, Name, TentacleSlots };

struct OrganismField {
  const char* shortName;  // the saved file's and the driver's dump's name
  FieldKind kind;
  FlagField flag = nullptr;      // FieldKind::Flag
  NumberField number = nullptr;  // FieldKind::Number

  constexpr OrganismField(const char* n, FlagField f) : shortName(n), kind(FieldKind::Flag), flag(f) {}
  constexpr OrganismField(const char* n, NumberField v) : shortName(n), kind(FieldKind::Number), number(v) {}
  constexpr OrganismField(const char* n, FieldKind k) : shortName(n), kind(k) {}
};

// Every field of the record, in the saved file's order (docs/savefile.md):
// the file, the driver's dump and the loader's checks walk this table. The
// comments are the glossary: the game's words, as the player reads them.
inline constexpr auto kOrganismFields = std::to_array<OrganismField>({
    // clang-format off
    {"alive", &Organism::alive},                   // owns a cell
    {"name", FieldKind::Name},                     // stored in Windows-1251
    {"mutated", &Organism::mutated},               // the player's one mutation of this turn
    {"amin", &Organism::aminoAcids},               // аминокислоты, the currency of mutation
    {"hp", &Organism::hp},                         // hit points, from which a battle starts
    {"live", &Organism::vitality},                 // жизнеспособность: full hit points are 10 x it
    {"reg", &Organism::regeneration},              // регенерация: hit points back after each hit
    {"speed", &Organism::mobility},                // подвижность: mobility + 1 strikes a round
    {"size", &Organism::size},                     // захваченные клетки: cells owned
    {"agsize", &Organism::aggression},             // уровень агрессии: the allowance of cells
    {"captured", &Organism::captured},             // the player's one capture of this turn
    {"sensor", &Organism::sensors},                // уровень сенсоров: the player's sight radius
    {"kolschup", &Organism::tentacleCount},        // щупальца: active tentacle slots
    {"urschup", &Organism::tentacleLevel},         // уровень щупалец: the higher, the faster
    {"tentacles", FieldKind::TentacleSlots},       // each slot: active, then turns travelled
    {"bitv", &Organism::battlesWon},               // выиграно сражений
    {"schip", &Organism::spike},                   // шип: the piercing attack organ
    {"lezvie", &Organism::blades},                 // лезвия: the cutting one
    {"kleschni", &Organism::claws},                // клешни: the chopping one
    {"hvost", &Organism::tail},                    // боевой хвост: the choking one
    {"spory", &Organism::spores},                  // споры: the acid one
    {"zschip", &Organism::piercingDefence},        // защита от колющей атаки: softens the spike
    {"zlezvie", &Organism::cuttingDefence},        // защита от режущей атаки: the blades
    {"zkleschni", &Organism::choppingDefence},     // защита от рубящей атаки: the claws
    {"zhvost", &Organism::chokingDefence},         // защита от удушающей атаки: the tail
    {"zspory", &Organism::acidDefence},            // защита от кислотной атаки: the spores
    // clang-format on
});

// The row of a number field, or nothing.
constexpr const OrganismField* organismField(NumberField number) {
  for (const OrganismField& f : kOrganismFields)
    if (f.kind == FieldKind::Number && f.number == number) return &f;
  return nullptr;
}

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
// Every field of organism k but its name and tentacle slots at its new-game value.
void resetOrganism(World& world, int k);
// Every cell free and hidden, at its place, with a random frame and one
// animation step: the board of a new or loaded game before the organisms.
void resetBoard(World& world, Random& random);
void stepCellAnimation(Cell& cell, Random& random);
void recomputeVisibility(World& world);
// Saturating helpers for stock additions: a value that would leave int32 stays at its limit.
int32_t saturate32(int64_t v);
int32_t addSaturated(int32_t a, int64_t b);

}  // namespace klebony
