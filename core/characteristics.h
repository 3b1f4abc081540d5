// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The characteristics an organism can raise by mutation, and the
// one table that says everything the rules and the panel need of each: its
// field in the organism record, its caption, its price, its limit, what an
// enemy hides, which defence softens which attack organ, what a tentacle may
// lower and which draw of a computer organism picks it.
//
// To add one: a field in Organism (world.h), a member of the enumeration and
// a row of the table below at the same place. The checks after the table
// refuse to compile a row that breaks the table's rules. docs/architecture.md
// ("Adding a characteristic") lists every step.
#include <array>
#include <cstdint>
#include <limits>
#include <optional>
#include <span>

#include "core/world.h"

namespace klebony {

// In the panel's order, top to bottom; the table's rows stand in the same order.
enum class Characteristic {
  Vitality,
  Regeneration,
  Mobility,
  Aggression,
  Sensors,
  Tentacles,
  TentacleLevel,
  Spike,
  Blades,
  Claws,
  Tail,
  Spores,
  PiercingDefence,
  CuttingDefence,
  ChoppingDefence,
  ChokingDefence,
  AcidDefence,
};

// What a level is for in a battle.
enum class BattleRole { None, AttackOrgan, Defence };

inline constexpr int32_t kNoLimit = std::numeric_limits<int32_t>::max();
inline constexpr int kNoDraw = -1;

// ---- The draws that pick a characteristic
// Three draws of the game pick a characteristic by the value drawn: the row
// that names the value is picked, a reserved value below does something
// else, and any other value picks nothing. A new row takes values that no
// row names and that are not reserved (`isFreeDrawValue`; the table's test
// prints them); the checks after the table refuse a value taken twice or out
// of range. Raising a count changes what every seeded game draws, so take a
// free value first.
//
// random(52): a computer organism's mutation at the end of its turn
// (core/opponent.cpp), `opponentDraw`.
inline constexpr int kOpponentMutationDraws = 52;
// Reserved: picks nothing, but with a perfect tentacle level it is drawn
// again, like the tentacle level's own value.
inline constexpr int kIdleTentacleDraw = 12;
// random(19): what a computer organism beaten by the player grows
// (core/battle.cpp), `defeatGrowthDraws` (a row may name two values).
inline constexpr int kDefeatGrowthDraws = 19;
// random(21): what an arrived tentacle lowers (core/sabotage.cpp), `sabotageDraw`.
inline constexpr int kSabotageDraws = 21;
// Reserved: the tentacle robs amino acids instead.
inline constexpr int kRobberyDraw = 2;

// The values of one draw that pick a row: one, or two for a likelier pick.
struct DrawValues {
  int first = kNoDraw;
  int second = kNoDraw;
  constexpr bool contains(int v) const { return v != kNoDraw && (v == first || v == second); }
};

// A level's field in the organism record. Named, it also formats the same
// with every clang-format (they differ on a space in "Organism::* level").
using LevelField = int32_t Organism::*;

struct CharacteristicInfo {
  Characteristic id;
  LevelField level;     // the level in the organism record
  const char* name;     // its name in code; the window names its labels after it
  const char* caption;  // the panel's caption of the row
  int32_t newGameLevel = 0;
  bool hiddenOnEnemy = false;  // an enemy's panel shows "???"

  int32_t priceUnit = 0;             // a step from level L costs unit * (L + 1) ...
  bool flatPrice = false;            // ... or the unit whatever the level
  int32_t limit = kNoLimit;          // a step is allowed only below this level
  int32_t opponentLimit = kNoLimit;  // computer organisms stop raising it here

  BattleRole battleRole = BattleRole::None;
  std::optional<Characteristic> softenedBy = std::nullopt;  // an attack organ's matching defence

  int opponentDraw = kNoDraw;             // the value of random(52) that picks it
  DrawValues defeatGrowthDraws = {};      // the values of random(19) that grow it
  int sabotageDraw = kNoDraw;             // the value of random(21) that lowers it ...
  int32_t sabotageFloor = 0;              // ... while it is above this
  const char* sabotageMessage = nullptr;  // the sabotaging player reads it, with the name
};

inline constexpr auto kCharacteristicTable = std::to_array<CharacteristicInfo>({
    // clang-format off
    {.id = Characteristic::Vitality, .level = &Organism::vitality,
     .name = "vitality", .caption = "Жизнеспособность:",
     .newGameLevel = 1, .priceUnit = 70,
     .opponentDraw = 49, .defeatGrowthDraws = {3, 18}, .sabotageDraw = 4, .sabotageFloor = 2,
     .sabotageMessage = "Понижен уровень ЖИЗНЕСПОСОБНОСТИ у клебона: "},
    {.id = Characteristic::Regeneration, .level = &Organism::regeneration,
     .name = "regeneration", .caption = "Регенерация:",
     .priceUnit = 300,
     .opponentDraw = 43, .sabotageDraw = 5,
     .sabotageMessage = "Понижен уровень РЕГЕНЕРАЦИИ у клебона: "},
    {.id = Characteristic::Mobility, .level = &Organism::mobility,
     .name = "mobility", .caption = "Подвижность:",
     .newGameLevel = 1, .priceUnit = 1000,
     .opponentDraw = 40, .sabotageDraw = 7, .sabotageFloor = 1,
     .sabotageMessage = "Понижена ПОДВИЖНОСТЬ у клебона: "},
    {.id = Characteristic::Aggression, .level = &Organism::aggression,
     .name = "aggression", .caption = "Уровень агрессии:",
     .newGameLevel = 1, .hiddenOnEnemy = true, .priceUnit = 5, .flatPrice = true},
    {.id = Characteristic::Sensors, .level = &Organism::sensors,
     .name = "sensors", .caption = "Уровень сенсоров:",
     .newGameLevel = 1, .hiddenOnEnemy = true, .priceUnit = 250, .opponentLimit = 36,
     .opponentDraw = 10, .sabotageDraw = 8,
     .sabotageMessage = "Понижен уровень СЕНСОРОВ у клебона: "},
    {.id = Characteristic::Tentacles, .level = &Organism::tentacleCount,
     .name = "tentacles", .caption = "Щупальца:",
     .priceUnit = 200, .limit = kTentacleSlots,
     .opponentDraw = 47, .defeatGrowthDraws = {13}},
    {.id = Characteristic::TentacleLevel, .level = &Organism::tentacleLevel,
     .name = "tentacleLevel", .caption = "Уровень щупалец:",
     .priceUnit = 600, .limit = 10,
     .opponentDraw = 13, .sabotageDraw = 10,
     .sabotageMessage = "Понижен уровень ШУПАЛЕЦ у клебона: "},
    {.id = Characteristic::Spike, .level = &Organism::spike,
     .name = "spike", .caption = "Уровень шипа:",
     .priceUnit = 30,
     .battleRole = BattleRole::AttackOrgan, .softenedBy = Characteristic::PiercingDefence,
     .opponentDraw = 37, .defeatGrowthDraws = {5}, .sabotageDraw = 11,
     .sabotageMessage = "Понижен уровень ШИПА у клебона: "},
    {.id = Characteristic::Blades, .level = &Organism::blades,
     .name = "blades", .caption = "Уровень лезвий:",
     .priceUnit = 30,
     .battleRole = BattleRole::AttackOrgan, .softenedBy = Characteristic::CuttingDefence,
     .opponentDraw = 34, .defeatGrowthDraws = {6}, .sabotageDraw = 12,
     .sabotageMessage = "Понижен уровень ЛЕЗВИЙ у клебона: "},
    {.id = Characteristic::Claws, .level = &Organism::claws,
     .name = "claws", .caption = "Уровень клешней:",
     .priceUnit = 30,
     .battleRole = BattleRole::AttackOrgan, .softenedBy = Characteristic::ChoppingDefence,
     .opponentDraw = 31, .defeatGrowthDraws = {7}, .sabotageDraw = 13,
     .sabotageMessage = "Понижен уровень КЛЕШНЕЙ у клебона: "},
    {.id = Characteristic::Tail, .level = &Organism::tail,
     .name = "tail", .caption = "Уровень хвоста:",
     .priceUnit = 30,
     .battleRole = BattleRole::AttackOrgan, .softenedBy = Characteristic::ChokingDefence,
     .opponentDraw = 50, .defeatGrowthDraws = {8}, .sabotageDraw = 14,
     .sabotageMessage = "Понижен уровень БОЕВОГО ХВОСТА у клебона: "},
    {.id = Characteristic::Spores, .level = &Organism::spores,
     .name = "spores", .caption = "Уровень спор:",
     .priceUnit = 30,
     .battleRole = BattleRole::AttackOrgan, .softenedBy = Characteristic::AcidDefence,
     .opponentDraw = 51, .defeatGrowthDraws = {9}, .sabotageDraw = 15,
     .sabotageMessage = "Понижен уровень СПОР у клебона: "},
    {.id = Characteristic::PiercingDefence, .level = &Organism::piercingDefence,
     .name = "piercingDefence", .caption = "Защита от колющей атаки:",
     .hiddenOnEnemy = true, .priceUnit = 80,
     .battleRole = BattleRole::Defence,
     .opponentDraw = 30, .sabotageDraw = 16,
     .sabotageMessage = "Понижен уровень ЗАЩИТЫ ОТ КОЛЮЩЕЙ АТАКИ у клебона: "},
    {.id = Characteristic::CuttingDefence, .level = &Organism::cuttingDefence,
     .name = "cuttingDefence", .caption = "Защита от режущей атаки:",
     .hiddenOnEnemy = true, .priceUnit = 80,
     .battleRole = BattleRole::Defence,
     .opponentDraw = 33, .sabotageDraw = 17,
     .sabotageMessage = "Понижен уровень ЗАЩИТЫ ОТ РЕЖУЩЕЙ АТАКИ у клебона: "},
    {.id = Characteristic::ChoppingDefence, .level = &Organism::choppingDefence,
     .name = "choppingDefence", .caption = "Защита от рубящей атаки:",
     .hiddenOnEnemy = true, .priceUnit = 80,
     .battleRole = BattleRole::Defence,
     .opponentDraw = 36, .sabotageDraw = 18,
     .sabotageMessage = "Понижен уровень ЗАЩИТЫ ОТ РУБЯЩЕЙ АТАКИ у клебона: "},
    {.id = Characteristic::ChokingDefence, .level = &Organism::chokingDefence,
     .name = "chokingDefence", .caption = "Защита от удушающей атаки:",
     .hiddenOnEnemy = true, .priceUnit = 80,
     .battleRole = BattleRole::Defence,
     .opponentDraw = 39, .sabotageDraw = 19,
     .sabotageMessage = "Понижен уровень ЗАЩИТЫ ОТ УДУШАЮЩЕЙ АТАКИ у клебона: "},
    {.id = Characteristic::AcidDefence, .level = &Organism::acidDefence,
     .name = "acidDefence", .caption = "Защита от кислотной атаки:",
     .hiddenOnEnemy = true, .priceUnit = 80,
     .battleRole = BattleRole::Defence,
     .opponentDraw = 42, .sabotageDraw = 20,
     .sabotageMessage = "Понижен уровень ЗАЩИТЫ ОТ КИСЛОТНОЙ АТАКИ у клебона: "},
    // clang-format on
});

// A defender beaten in a real battle may gain a defence (core/battle.cpp):
// random(n) over this list picks it, so the list's order is what a draw
// means. A new defence goes last, and existing draws keep their meaning.
inline constexpr std::array kDefencesGainedWhenBeaten = {
    Characteristic::PiercingDefence, Characteristic::CuttingDefence, Characteristic::ChoppingDefence,
    Characteristic::ChokingDefence,  Characteristic::AcidDefence,
};

inline constexpr int kCharacteristicCount = static_cast<int>(kCharacteristicTable.size());

constexpr const CharacteristicInfo& info(Characteristic c) {
  return kCharacteristicTable[static_cast<int>(c)];
}

// Every characteristic, in table order, for range-for loops.
inline constexpr std::array<Characteristic, kCharacteristicCount> kCharacteristics = [] {
  std::array<Characteristic, kCharacteristicCount> all{};
  for (int i = 0; i < kCharacteristicCount; ++i) all[i] = kCharacteristicTable[i].id;
  return all;
}();

// ---- The three draws, as the checks and tests see them
struct CharacteristicDraw {
  const char* name;  // what it picks, for messages
  int count;         // random(count)
  int reserved;      // a value that does something else, or kNoDraw
  DrawValues (*valuesOf)(const CharacteristicInfo&);
};

inline constexpr CharacteristicDraw kOpponentMutationDraw{
    "opponentDraw", kOpponentMutationDraws, kIdleTentacleDraw,
    [](const CharacteristicInfo& c) { return DrawValues{c.opponentDraw}; }};
inline constexpr CharacteristicDraw kDefeatGrowthDraw{
    "defeatGrowthDraws", kDefeatGrowthDraws, kNoDraw,
    [](const CharacteristicInfo& c) { return c.defeatGrowthDraws; }};
inline constexpr CharacteristicDraw kSabotageDraw{
    "sabotageDraw", kSabotageDraws, kRobberyDraw,
    [](const CharacteristicInfo& c) { return DrawValues{c.sabotageDraw}; }};
inline constexpr std::array kCharacteristicDraws = {kOpponentMutationDraw, kDefeatGrowthDraw, kSabotageDraw};

// ---- The table's rules. Each takes the table, so that a test can show it
// refusing a bad row; the static_asserts below hold the game's own table to them.
namespace table_checks {

using Table = std::span<const CharacteristicInfo>;

constexpr bool rowsInEnumerationOrder(Table table) {
  for (std::size_t i = 0; i < table.size(); ++i)
    if (static_cast<std::size_t>(table[i].id) != i) return false;
  return true;
}

// An organ names the defence that softens it, and every defence softens exactly one organ.
constexpr bool battleRolesMatch(Table table) {
  for (const CharacteristicInfo& c : table) {
    const bool organ = c.battleRole == BattleRole::AttackOrgan;
    if (organ != c.softenedBy.has_value()) return false;
    if (organ && (static_cast<std::size_t>(*c.softenedBy) >= table.size() ||
                  table[static_cast<std::size_t>(*c.softenedBy)].battleRole != BattleRole::Defence))
      return false;
    if (c.battleRole != BattleRole::Defence) continue;
    int organs = 0;
    for (const CharacteristicInfo& o : table) organs += o.softenedBy == c.id;
    if (organs != 1) return false;
  }
  return true;
}

// The list holds every defence once and nothing else.
constexpr bool everyDefenceCanBeGained(Table table, std::span<const Characteristic> gained) {
  for (const CharacteristicInfo& c : table) {
    int times = 0;
    for (Characteristic d : gained) times += d == c.id;
    if (times != (c.battleRole == BattleRole::Defence ? 1 : 0)) return false;
  }
  return gained.size() <= table.size();
}

constexpr int attackOrganCount(Table table) {
  int organs = 0;
  for (const CharacteristicInfo& c : table) organs += c.battleRole == BattleRole::AttackOrgan;
  return organs;
}

// How many rows name `value` for the draw, counting the reserved value as one.
constexpr int usesOf(Table table, const CharacteristicDraw& draw, int value) {
  int uses = value == draw.reserved ? 1 : 0;
  for (const CharacteristicInfo& c : table) uses += draw.valuesOf(c).contains(value);
  return uses;
}

// Each value of the draw lies below its count and picks one thing only.
constexpr bool drawValuesFit(Table table, const CharacteristicDraw& draw) {
  if (draw.reserved != kNoDraw && (draw.reserved < 0 || draw.reserved >= draw.count)) return false;
  for (const CharacteristicInfo& c : table) {
    const DrawValues named = draw.valuesOf(c);
    if (named.first != kNoDraw && named.first == named.second) return false;
    for (const int v : {named.first, named.second})
      if (v != kNoDraw && (v < 0 || v >= draw.count || usesOf(table, draw, v) > 1)) return false;
  }
  return true;
}

}  // namespace table_checks

static_assert(table_checks::rowsInEnumerationOrder(kCharacteristicTable),
              "the table's rows stand in the enumeration's order");
static_assert(table_checks::battleRolesMatch(kCharacteristicTable),
              "an attack organ names the defence that softens it; each defence softens one organ");
static_assert(table_checks::everyDefenceCanBeGained(kCharacteristicTable, kDefencesGainedWhenBeaten),
              "kDefencesGainedWhenBeaten lists every defence once, and only defences");
static_assert(table_checks::drawValuesFit(kCharacteristicTable, kOpponentMutationDraw),
              "opponentDraw: values of random(52), each used once");
static_assert(table_checks::drawValuesFit(kCharacteristicTable, kDefeatGrowthDraw),
              "defeatGrowthDraws: values of random(19), each used once");
static_assert(table_checks::drawValuesFit(kCharacteristicTable, kSabotageDraw),
              "sabotageDraw: values of random(21), each used once");

// A value of the draw that no row names and that is not reserved: it picks
// nothing today, and a new row may take it.
constexpr bool isFreeDrawValue(const CharacteristicDraw& draw, int value) {
  return value >= 0 && value < draw.count && table_checks::usesOf(kCharacteristicTable, draw, value) == 0;
}

inline int32_t& level(Organism& o, Characteristic c) { return o.*info(c).level; }
inline int32_t level(const Organism& o, Characteristic c) { return o.*info(c).level; }

// The lowest level a game can leave it at: its new-game level, or its floor
// when a tentacle may lower it below that.
constexpr int32_t lowestLevel(Characteristic c) {
  const CharacteristicInfo& i = info(c);
  return i.sabotageDraw != kNoDraw && i.sabotageFloor < i.newGameLevel ? i.sabotageFloor : i.newGameLevel;
}

// One level up outside a purchase (a battle's growth, a mutation once paid):
// a tentacle takes the lowest free slot (none when every slot is taken), a
// vitality step heals to the new full hit points. Never past int32.
void gainLevel(Organism& o, Characteristic c);

}  // namespace klebony
