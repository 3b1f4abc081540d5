#pragma once
// The seventeen mutable characteristics, their prices and limits.
#include <array>
#include <cstdint>
#include <optional>

#include "world.h"

namespace klebony {

// In the order in which a click is matched and the captions stand in the panel.
enum class Characteristic {
  live,
  reg,
  speed,
  agsize,
  sensor,
  kolschup,
  urschup,
  schip,
  lezvie,
  kleschni,
  hvost,
  spory,
  zschip,
  zlezvie,
  zkleschni,
  zhvost,
  zspory
};
inline constexpr int kCharacteristicCount = 17;
inline constexpr std::array<Characteristic, kCharacteristicCount> kCharacteristics = {
    Characteristic::live,   Characteristic::reg,      Characteristic::speed,     Characteristic::agsize,
    Characteristic::sensor, Characteristic::kolschup, Characteristic::urschup,   Characteristic::schip,
    Characteristic::lezvie, Characteristic::kleschni, Characteristic::hvost,     Characteristic::spory,
    Characteristic::zschip, Characteristic::zlezvie,  Characteristic::zkleschni, Characteristic::zhvost,
    Characteristic::zspory};

enum class MutationOutcome { AlreadyMutated, Applied, Refused };

// Number of the caption label of a characteristic (3 for live ... 25 for zspory).
int captionLabel(Characteristic c);
// The characteristic whose caption is label `number`, if any.
std::optional<Characteristic> characteristicOfLabel(int number);
int32_t& level(Organism& o, Characteristic c);
int32_t level(const Organism& o, Characteristic c);

// Price of the next step; never overflows (saturates at INT32_MAX).
int32_t mutationCost(const Organism& o, Characteristic c);
bool canMutate(const Organism& o, Characteristic c);
// Precondition: canMutate.
void applyMutation(Organism& o, Characteristic c);

struct Game;
MutationOutcome playerMutate(Game& game, Characteristic c);
// BMut, the menu item "Мутировать +" and the key M.
void toggleMutationMode(Game& game);
// A click on a panel label (its number: 3 for Label3 ...). Labels that have
// no click handling are ignored.
void onCaptionClick(Game& game, int labelNumber);

}  // namespace klebony
