// Prices, limits and the step of a mutation, and the player's mutation mode.
#include "mutation.h"

#include <algorithm>
#include <limits>

#include "game.h"
#include "rules.h"
#include "window_steps.h"

namespace klebony {

namespace {

constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
constexpr int32_t kAgsizePrice = 5;
constexpr int32_t kTentacleLimit = 20;
constexpr int32_t kTentacleLevelLimit = 10;

const char* const kModeOnCaption = "Отмена";
const char* const kOnlyOneMutation = "За ход можно проводить только одну мутацию!";

// Mutation unit u of the price u * (L + 1); 0 for aggression, which has a flat price.
int32_t unitOf(Characteristic c) {
  switch (c) {
    case Characteristic::live:
      return 70;
    case Characteristic::reg:
      return 300;
    case Characteristic::speed:
      return 1000;
    case Characteristic::agsize:
      return 0;
    case Characteristic::sensor:
      return 250;
    case Characteristic::kolschup:
      return 200;
    case Characteristic::urschup:
      return 600;
    case Characteristic::schip:
    case Characteristic::lezvie:
    case Characteristic::kleschni:
    case Characteristic::hvost:
    case Characteristic::spory:
      return 30;
    case Characteristic::zschip:
    case Characteristic::zlezvie:
    case Characteristic::zkleschni:
    case Characteristic::zhvost:
    case Characteristic::zspory:
      return 80;
  }
  return 0;
}

bool hasFreeSlot(const Organism& o) {
  return std::any_of(o.tentacles.begin(), o.tentacles.end(), [](const Tentacle& t) { return !t.active; });
}

bool isLegendLabel(int number) {
  return number == 20 || number == 22 || number == 24 || number == 26 || number == 27 || number == 28;
}

void setModeOff(Game& game) {
  resetMutationControls(game);
  game.out().controlsChanged();
}

}  // namespace

int captionLabel(Characteristic c) {
  switch (c) {
    case Characteristic::live:
      return 3;
    case Characteristic::reg:
      return 4;
    case Characteristic::speed:
      return 5;
    case Characteristic::agsize:
      return 7;
    case Characteristic::sensor:
      return 8;
    case Characteristic::kolschup:
      return 9;
    case Characteristic::urschup:
      return 11;
    case Characteristic::schip:
      return 12;
    case Characteristic::lezvie:
      return 13;
    case Characteristic::kleschni:
      return 15;
    case Characteristic::hvost:
      return 17;
    case Characteristic::spory:
      return 14;
    case Characteristic::zschip:
      return 16;
    case Characteristic::zlezvie:
      return 19;
    case Characteristic::zkleschni:
      return 21;
    case Characteristic::zhvost:
      return 23;
    case Characteristic::zspory:
      return 25;
  }
  return 0;
}

std::optional<Characteristic> characteristicOfLabel(int number) {
  for (Characteristic c : kCharacteristics)
    if (captionLabel(c) == number) return c;
  return std::nullopt;
}

int32_t& level(Organism& o, Characteristic c) {
  switch (c) {
    case Characteristic::live:
      return o.live;
    case Characteristic::reg:
      return o.reg;
    case Characteristic::speed:
      return o.speed;
    case Characteristic::agsize:
      return o.agsize;
    case Characteristic::sensor:
      return o.sensor;
    case Characteristic::kolschup:
      return o.kolschup;
    case Characteristic::urschup:
      return o.urschup;
    case Characteristic::schip:
      return o.schip;
    case Characteristic::lezvie:
      return o.lezvie;
    case Characteristic::kleschni:
      return o.kleschni;
    case Characteristic::hvost:
      return o.hvost;
    case Characteristic::spory:
      return o.spory;
    case Characteristic::zschip:
      return o.zschip;
    case Characteristic::zlezvie:
      return o.zlezvie;
    case Characteristic::zkleschni:
      return o.zkleschni;
    case Characteristic::zhvost:
      return o.zhvost;
    case Characteristic::zspory:
      return o.zspory;
  }
  return o.live;
}

int32_t level(const Organism& o, Characteristic c) { return level(const_cast<Organism&>(o), c); }

int32_t mutationCost(const Organism& o, Characteristic c) {
  if (c == Characteristic::agsize) return kAgsizePrice;
  // A negative level can only come from a foreign file; pricing it like level 0
  // keeps the price positive, so a step can never pay the organism.
  const int64_t steps = static_cast<int64_t>(std::max(level(o, c), 0)) + 1;
  return static_cast<int32_t>(std::min<int64_t>(unitOf(c) * steps, kMax));
}

bool canMutate(const Organism& o, Characteristic c) {
  const int32_t current = level(o, c);
  if (current == kMax) return false;  // +1 would leave int32
  if (c == Characteristic::kolschup && (current >= kTentacleLimit || !hasFreeSlot(o))) return false;
  if (c == Characteristic::urschup && current >= kTentacleLevelLimit) return false;
  return o.amin >= mutationCost(o, c);
}

void applyMutation(Organism& o, Characteristic c) {
  if (!canMutate(o, c)) return;  // never a negative stock or a level past int32
  o.amin -= mutationCost(o, c);
  if (c == Characteristic::kolschup) {
    for (Tentacle& t : o.tentacles) {
      if (!t.active) {
        t.active = true;
        t.travel = 0;
        break;
      }
    }
  }
  level(o, c) += 1;
  if (c == Characteristic::live) o.hp = saturate32(10 * static_cast<int64_t>(o.live));
}

MutationOutcome playerMutate(Game& game, Characteristic c) {
  Organism& player = game.world.organisms[kPlayer];
  if (player.mutated) return MutationOutcome::AlreadyMutated;
  if (!canMutate(player, c)) return MutationOutcome::Refused;
  applyMutation(player, c);
  player.mutated = true;
  return MutationOutcome::Applied;
}

void toggleMutationMode(Game& game) {
  game.out().playSound(Sound::ClickMut, SoundMode::Async);
  if (game.window.mutationMode) {
    setModeOff(game);
    return;
  }
  game.window.mutationMode = true;
  game.window.hodEnabled = false;
  game.window.bmutCaption = kModeOnCaption;
  game.out().controlsChanged();
  showPanel(game, kPlayer);
  refreshAffordability(game);
}

void onCaptionClick(Game& game, int labelNumber) {
  const std::optional<Characteristic> c = characteristicOfLabel(labelNumber);
  if (!c && !isLegendLabel(labelNumber)) return;  // no click handling on that label
  if (!game.window.mutationMode) return;
  if (game.world.organisms[kPlayer].mutated) {
    showStatus(game, kOnlyOneMutation);
    return;
  }
  if (c) playerMutate(game, *c);
  setModeOff(game);
  showPanel(game, kPlayer);
  refreshAffordability(game);
  recomputeVisibility(game.world);
}

}  // namespace klebony
