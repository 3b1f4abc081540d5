#pragma once
// The seventeen characteristics an organism can raise by mutation, and the
// one table that says everything the rules and the panel need of each: its
// field in the organism record, its caption, its price, its limit, what an
// enemy hides, which defence softens which attack organ, what a tentacle may
// lower and which draw of a computer organism picks it.
//
// To add a characteristic: a field in Organism (world.h), a member of the
// enumeration and a row of the table below (same position), and a row in the
// characteristics panel's layout when it needs a place of its own.
#include <array>
#include <cstdint>
#include <limits>
#include <optional>

#include "core/world.h"

namespace klebony {

// In the order in which the panel's captions are matched and stand from the top.
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

struct CharacteristicInfo {
  Characteristic id;
  int32_t Organism::*level;  // the level in the organism record
  int32_t newGameLevel;      // its value in a new game
  const char* caption;       // the panel's caption of the row
  const char* captionLabel;  // the caption label's name, which the driver's script uses too
  const char* valueLabel;    // the value label's name, a key of the driver's dump
  int panelRow;              // row of the characteristics panel, 0 at the top
  bool hiddenOnEnemy;        // an enemy's panel shows "???"
  int32_t priceUnit;         // a step from level L costs unit * (L + 1) ...
  bool flatPrice;            // ... or the unit whatever the level
  int32_t limit;             // a step is allowed only below this level
  int32_t opponentLimit;     // computer organisms stop raising it here
  BattleRole battleRole;
  std::optional<Characteristic> softenedBy;  // an attack organ's matching defence
  int opponentDraw;                          // the value of a computer organism's mutation draw that picks it
  int defeatGrowthDraws[2];                  // the values of the growth draw of an organism the player beat
  int sabotageDraw;                          // the value of a tentacle's draw that lowers it ...
  int32_t sabotageFloor;                     // ... while it is above this
  const char* sabotageMessage;
};

// The panel's two rows that show counts rather than characteristics.
inline constexpr int kCellsOwnedRow = 3;
inline constexpr int kBattlesWonRow = 8;

inline constexpr std::array<CharacteristicInfo, 17> kCharacteristicTable = {{
    // clang-format off
    {Characteristic::Vitality, &Organism::vitality, 1, "Жизнеспособность:", "Label3", "Llive", 0, false,
     70, false, kNoLimit, kNoLimit, BattleRole::None, std::nullopt, 49, {3, 18},
     4, 2, "Понижен уровень ЖИЗНЕСПОСОБНОСТИ у клебона: "},
    {Characteristic::Regeneration, &Organism::regeneration, 0, "Регенерация:", "Label4", "Lreg", 1, false,
     300, false, kNoLimit, kNoLimit, BattleRole::None, std::nullopt, 43, {kNoDraw, kNoDraw},
     5, 0, "Понижен уровень РЕГЕНЕРАЦИИ у клебона: "},
    {Characteristic::Mobility, &Organism::mobility, 1, "Подвижность:", "Label5", "Lspeed", 2, false,
     1000, false, kNoLimit, kNoLimit, BattleRole::None, std::nullopt, 40, {kNoDraw, kNoDraw},
     7, 1, "Понижена ПОДВИЖНОСТЬ у клебона: "},
    {Characteristic::Aggression, &Organism::aggression, 1, "Уровень агрессии:", "Label7", "Lagsize", 4, true,
     5, true, kNoLimit, kNoLimit, BattleRole::None, std::nullopt, kNoDraw, {kNoDraw, kNoDraw},
     kNoDraw, 0, nullptr},
    {Characteristic::Sensors, &Organism::sensors, 1, "Уровень сенсоров:", "Label8", "Lsensor", 5, true,
     250, false, kNoLimit, 36, BattleRole::None, std::nullopt, 10, {kNoDraw, kNoDraw},
     8, 0, "Понижен уровень СЕНСОРОВ у клебона: "},
    {Characteristic::Tentacles, &Organism::tentacleCount, 0, "Щупальца:", "Label9", "Lkolschup", 6, false,
     200, false, kTentacleSlots, kNoLimit, BattleRole::None, std::nullopt, 47, {13, kNoDraw},
     kNoDraw, 0, nullptr},
    {Characteristic::TentacleLevel, &Organism::tentacleLevel, 0, "Уровень щупалец:", "Label11", "Lurschup", 7,
     false, 600, false, 10, kNoLimit, BattleRole::None, std::nullopt, 13, {kNoDraw, kNoDraw},
     10, 0, "Понижен уровень ШУПАЛЕЦ у клебона: "},
    {Characteristic::Spike, &Organism::spike, 0, "Уровень шипа:", "Label12", "Lschip", 9, false,
     30, false, kNoLimit, kNoLimit, BattleRole::AttackOrgan, Characteristic::PiercingDefence, 37, {5, kNoDraw},
     11, 0, "Понижен уровень ШИПА у клебона: "},
    {Characteristic::Blades, &Organism::blades, 0, "Уровень лезвий:", "Label13", "Llezvie", 10, false,
     30, false, kNoLimit, kNoLimit, BattleRole::AttackOrgan, Characteristic::CuttingDefence, 34, {6, kNoDraw},
     12, 0, "Понижен уровень ЛЕЗВИЙ у клебона: "},
    {Characteristic::Claws, &Organism::claws, 0, "Уровень клешней:", "Label15", "Lkleschni", 11, false,
     30, false, kNoLimit, kNoLimit, BattleRole::AttackOrgan, Characteristic::ChoppingDefence, 31, {7, kNoDraw},
     13, 0, "Понижен уровень КЛЕШНЕЙ у клебона: "},
    {Characteristic::Tail, &Organism::tail, 0, "Уровень хвоста:", "Label17", "Lhvost", 12, false,
     30, false, kNoLimit, kNoLimit, BattleRole::AttackOrgan, Characteristic::ChokingDefence, 50, {8, kNoDraw},
     14, 0, "Понижен уровень БОЕВОГО ХВОСТА у клебона: "},
    {Characteristic::Spores, &Organism::spores, 0, "Уровень спор:", "Label14", "Lspory", 13, false,
     30, false, kNoLimit, kNoLimit, BattleRole::AttackOrgan, Characteristic::AcidDefence, 51, {9, kNoDraw},
     15, 0, "Понижен уровень СПОР у клебона: "},
    {Characteristic::PiercingDefence, &Organism::piercingDefence, 0, "Защита от колющей атаки:", "Label16",
     "LZschip", 14, true, 80, false, kNoLimit, kNoLimit, BattleRole::Defence, std::nullopt, 30, {kNoDraw, kNoDraw},
     16, 0, "Понижен уровень ЗАЩИТЫ ОТ КОЛЮЩЕЙ АТАКИ у клебона: "},
    {Characteristic::CuttingDefence, &Organism::cuttingDefence, 0, "Защита от режущей атаки:", "Label19",
     "LZlezvie", 15, true, 80, false, kNoLimit, kNoLimit, BattleRole::Defence, std::nullopt, 33, {kNoDraw, kNoDraw},
     17, 0, "Понижен уровень ЗАЩИТЫ ОТ РЕЖУЩЕЙ АТАКИ у клебона: "},
    {Characteristic::ChoppingDefence, &Organism::choppingDefence, 0, "Защита от рубящей атаки:", "Label21",
     "LZkleschni", 16, true, 80, false, kNoLimit, kNoLimit, BattleRole::Defence, std::nullopt, 36, {kNoDraw, kNoDraw},
     18, 0, "Понижен уровень ЗАЩИТЫ ОТ РУБЯЩЕЙ АТАКИ у клебона: "},
    {Characteristic::ChokingDefence, &Organism::chokingDefence, 0, "Защита от удушающей атаки:", "Label23",
     "LZhvost", 17, true, 80, false, kNoLimit, kNoLimit, BattleRole::Defence, std::nullopt, 39, {kNoDraw, kNoDraw},
     19, 0, "Понижен уровень ЗАЩИТЫ ОТ УДУШАЮЩЕЙ АТАКИ у клебона: "},
    {Characteristic::AcidDefence, &Organism::acidDefence, 0, "Защита от кислотной атаки:", "Label25",
     "LZspory", 18, true, 80, false, kNoLimit, kNoLimit, BattleRole::Defence, std::nullopt, 42, {kNoDraw, kNoDraw},
     20, 0, "Понижен уровень ЗАЩИТЫ ОТ КИСЛОТНОЙ АТАКИ у клебона: "},
    // clang-format on
}};

inline constexpr int kCharacteristicCount = static_cast<int>(kCharacteristicTable.size());
static_assert(
    [] {
      for (int i = 0; i < kCharacteristicCount; ++i)
        if (static_cast<int>(kCharacteristicTable[i].id) != i) return false;
      return true;
    }(),
    "the table's rows stand in the enumeration's order");

constexpr const CharacteristicInfo& info(Characteristic c) {
  return kCharacteristicTable[static_cast<int>(c)];
}

// Every characteristic, in table order, for range-for loops.
inline constexpr std::array<Characteristic, kCharacteristicCount> kCharacteristics = [] {
  std::array<Characteristic, kCharacteristicCount> all{};
  for (int i = 0; i < kCharacteristicCount; ++i) all[i] = kCharacteristicTable[i].id;
  return all;
}();

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
