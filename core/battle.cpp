// A battle's consequences: the rounds decide the winner (battle_fight.cpp),
// then the records, the draws and what the user sees follow in a fixed order.
#include <cstdint>
#include <string>

#include "battle_fight.h"
#include "rules.h"

namespace klebony {

namespace {

// Full hit points; a live level from a saved file may be anything.
int32_t fullHp(const Organism& o) { return saturate32(int64_t{o.live} * 10); }

void raise(int32_t& level, int64_t by) { level = addSaturated(level, by); }

// The free slot with the lowest index gets a new tentacle; none when all are taken.
void gainTentacle(Organism& o) {
  for (Tentacle& t : o.tentacles) {
    if (t.active) continue;
    t.active = true;
    t.travel = 0;
    raise(o.kolschup, 1);
    return;
  }
}

int32_t& defenceNumber(Organism& o, int32_t n) {
  switch (n) {
    case 0:
      return o.zschip;
    case 1:
      return o.zlezvie;
    case 2:
      return o.zkleschni;
    case 3:
      return o.zhvost;
    default:
      return o.zspory;
  }
}

// A computer organism beaten by the player may grow from it.
void growthAfterDefeat(Game& game, Organism& o) {
  switch (random(game, 19)) {
    case 3:
    case 18:
      raise(o.live, 1);
      o.hp = fullHp(o);
      raise(o.amin, 400);
      break;
    case 5:
      raise(o.schip, 1);
      break;
    case 6:
      raise(o.lezvie, 1);
      break;
    case 7:
      raise(o.kleschni, 1);
      break;
    case 8:
      raise(o.hvost, 1);
      break;
    case 9:
      raise(o.spory, 1);
      break;
    case 13:
      gainTentacle(o);
      break;
    default:
      break;
  }
}

}  // namespace

int battle(Game& game, int attacker, int defender, bool real) {
  Organism& a = game.world.organisms[attacker];
  Organism& d = game.world.organisms[defender];
  Outcomes& out = game.out();
  const bool attackerWon = attackerWinsRounds(a, d);
  const int winner = attackerWon ? attacker : defender;
  const bool playerAttacked = attacker == kPlayer;
  const bool playerDefended = defender == kPlayer;

  if (attackerWon) {
    d.hp = fullHp(d);
    // A trial battle leaves size and alive alone, even for a record that
    // already holds a size of 0 or less.
    if (real) {
      raise(d.size, -1);
      if (d.size <= 0) d.alive = false;
    }
  } else if (playerAttacked) {
    out.playSound(Sound::Smeh_2, SoundMode::Async);
    out.showMessage("Битва проиграна! :-(");
  }

  if (real) {
    raise(game.world.organisms[winner].bitv, 1);
    if (attackerWon) showStatus(game, a.name + " напал на  " + d.name + " и ПОБЕДИЛ!");
  }

  a.hp = fullHp(a);
  if (!real) d.hp = fullHp(d);

  if (real && attackerWon && random(game, 3) == 1) raise(defenceNumber(d, random(game, 5)), 1);

  if (real && playerDefended && attackerWon) out.showMessage("На нас напал " + a.name + " и победил! :-(");

  if (real && playerAttacked && !attackerWon) {
    gainTentacle(d);
    raise(d.amin, 5000);
  }

  if (real && playerAttacked && attackerWon) growthAfterDefeat(game, d);

  if (real && playerDefended && attackerWon && !d.alive) {
    out.playSound(Sound::Smeh_1, SoundMode::Async);
    out.showMessage("Ну, все, БЛИН! Замочили меня! :-(");
    N2Click(game);
  }

  if (playerAttacked && attackerWon) out.playSound(Sound::Attak, SoundMode::Async);

  return winner;
}

}  // namespace klebony
