// An arrived tentacle: it lowers one characteristic of a random living
// organism or robs its amino acids.
#include <algorithm>
#include <cstdint>

#include "rules.h"

namespace klebony {

namespace {

constexpr int32_t kRobberyBase = 5000;
constexpr int32_t kRobberyPerTurn = 5;
constexpr int32_t kRobberyGain = 1000;

const char* const kFailed = "Саботаж не удался! :-(";
const char* const kAgainstPlayer = "ВНИМАНИЕ! Враг провел саботаж!";

struct LoweringRow {
  int32_t Organism::*field;
  int32_t floor;
  const char* message;
};

// The rows of the draw random(21) that lower one field; the rest are handled apart.
const LoweringRow* loweringRow(int draw) {
  static const LoweringRow rows[] = {
      {&Organism::live, 2, "Понижен уровень ЖИЗНЕСПОСОБНОСТИ у клебона: "},
      {&Organism::reg, 0, "Понижен уровень РЕГЕНЕРАЦИИ у клебона: "},
      {&Organism::speed, 1, "Понижена ПОДВИЖНОСТЬ у клебона: "},
      {&Organism::sensor, 0, "Понижен уровень СЕНСОРОВ у клебона: "},
      {&Organism::urschup, 0, "Понижен уровень ШУПАЛЕЦ у клебона: "},
      {&Organism::schip, 0, "Понижен уровень ШИПА у клебона: "},
      {&Organism::lezvie, 0, "Понижен уровень ЛЕЗВИЙ у клебона: "},
      {&Organism::kleschni, 0, "Понижен уровень КЛЕШНЕЙ у клебона: "},
      {&Organism::hvost, 0, "Понижен уровень БОЕВОГО ХВОСТА у клебона: "},
      {&Organism::spory, 0, "Понижен уровень СПОР у клебона: "},
      {&Organism::zschip, 0, "Понижен уровень ЗАЩИТЫ ОТ КОЛЮЩЕЙ АТАКИ у клебона: "},
      {&Organism::zlezvie, 0, "Понижен уровень ЗАЩИТЫ ОТ РЕЖУЩЕЙ АТАКИ у клебона: "},
      {&Organism::zkleschni, 0, "Понижен уровень ЗАЩИТЫ ОТ РУБЯЩЕЙ АТАКИ у клебона: "},
      {&Organism::zhvost, 0, "Понижен уровень ЗАЩИТЫ ОТ УДУШАЮЩЕЙ АТАКИ у клебона: "},
      {&Organism::zspory, 0, "Понижен уровень ЗАЩИТЫ ОТ КИСЛОТНОЙ АТАКИ у клебона: "},
  };
  switch (draw) {
    case 4:
      return &rows[0];
    case 5:
      return &rows[1];
    case 7:
      return &rows[2];
    case 8:
      return &rows[3];
    default:
      break;
  }
  if (draw >= 10 && draw <= 20) return &rows[4 + (draw - 10)];
  return nullptr;
}

const char* const kRobberyMessage = "Понижен уровень АМИНОКИСЛОТ у клебона: ";
constexpr int kRobberyDraw = 2;

bool anyOpponentAlive(const World& world) {
  for (int k = 0; k < kOpponentCount; ++k)
    if (world.organisms[k].alive) return true;
  return false;
}

bool anyOtherAlive(const World& world, int source) {
  for (int k = 0; k < kOrganismCount; ++k)
    if (k != source && world.organisms[k].alive) return true;
  return false;
}

}  // namespace

void sabotage(Game& game, int source, int slot) {
  World& world = game.world;
  if (source < 0 || source >= kOrganismCount || slot < 0 || slot >= kTentacleSlots) return;
  if (!anyOpponentAlive(world)) return;

  // The arrived tentacle goes, but the last one travels again from the start.
  Organism& src = world.organisms[source];
  Tentacle& tentacle = src.tentacles[slot];
  if (src.kolschup > 1) {
    tentacle.active = false;
    tentacle.travel = 0;
    src.kolschup -= 1;
  }
  if (src.kolschup == 1) tentacle.travel = 0;

  // Only the source itself may be alive (the player hit by its own census); then
  // there is nobody to draw and the draw below would never end.
  if (!anyOtherAlive(world, source)) return;
  int target = 0;
  do {
    target = random(game, kOrganismCount);
  } while (target == source || !world.organisms[target].alive);
  Organism& dst = world.organisms[target];

  const int draw = random(game, 21);
  bool success = false;
  const char* message = nullptr;
  if (draw == kRobberyDraw) {
    src.amin = addSaturated(src.amin, kRobberyGain);
    const int64_t loss = kRobberyBase + kRobberyPerTurn * static_cast<int64_t>(world.turn);
    const int64_t left = static_cast<int64_t>(dst.amin) - loss;
    dst.amin = left <= 0 ? 0 : saturate32(left);
    success = true;
    message = kRobberyMessage;
  } else if (const LoweringRow* row = loweringRow(draw)) {
    int32_t& value = dst.*(row->field);
    if (value > row->floor) {
      value -= 1;
      success = true;
      message = row->message;
    }
  }

  if (source == kPlayer) {
    game.out().showMessage(success ? std::string(message) + dst.name : std::string(kFailed));
  } else if (target == kPlayer && success) {
    game.out().playSound(Sound::Sabot, SoundMode::Async);
    game.out().showMessage(kAgainstPlayer);
  }
}

}  // namespace klebony
