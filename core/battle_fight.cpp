// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/battle_fight.h"

#include <cstdint>

#include "core/characteristics.h"
#include "core/wide_int.h"

namespace klebony {

namespace {

// Wide enough for every counter the closed form looks at; see firstFallingRound.
using Wide = Int128;

// One side's strike phase against the other, reduced to two numbers: the
// phase kills when the struck counter is at most `threshold` when it starts,
// and otherwise changes the counter by exactly `perRound`.
struct StrikePhase {
  bool strikes = false;  // speed + 1 <= 0 (a saved file may hold any speed): no hits at all
  Wide threshold = 0;
  Wide perRound = 0;
};

StrikePhase strikePhase(const Organism& striker, const Organism& struck) {
  StrikePhase phase;
  const int64_t hits = int64_t{striker.mobility} + 1;
  if (hits <= 0) return phase;
  const Wide d = damagePerHit(striker, struck);
  const Wide reg = struck.regeneration;
  // Before hit k (1-based) the counter is h + (k-1)(reg-d); hit k kills when
  // that minus d is <= 0. Linear in k, so the deepest point of the phase is
  // its first hit when reg >= d and its last hit otherwise.
  phase.strikes = true;
  phase.threshold = d + (d > reg ? Wide{hits - 1} * (d - reg) : Wide{0});
  phase.perRound = Wide{hits} * (reg - d);
  return phase;
}

// The environment's total damage before round r: 22 after round 21, 24 after
// round 22, ..., summed: r(r - 21) from round 21 on.
Wide environmentBefore(Wide r) { return r > 21 ? r * (r - 21) : Wide{0}; }

// The first round index at whose start the counter h0 + r*perRound - env(r)
// is at most the threshold, that is the round in which this side falls. The
// caller knows it exists: the environment grows without bound.
//
// Magnitudes: h0 is an int32; d < 2^35 and hits <= 2^31, so the threshold
// and perRound stay below 2^67 in size. The loop over the first 23 rounds
// handles any perRound. After it, h0 - threshold is in (0, 2^32) and the
// counter did not fall by round 22, so perRound > -2^32, and perRound
// <= 2^31 * (2^31 - 1) < 2^62 because reg is an int32 and d >= 0. Hence
// `high` < 2^63, and every r*perRound and r*r below stays under 2^126.
Wide firstFallingRound(Wide h0, const StrikePhase& phase) {
  auto counter = [&](Wide r) { return h0 + r * phase.perRound - environmentBefore(r); };
  for (Wide r = 0; r <= 22; ++r)
    if (counter(r) <= phase.threshold) return r;
  // From round 22 on the counter is a downward parabola that is above the
  // threshold at 22, so "fallen by round r" is monotone from there.
  Wide low = 22;  // not fallen
  Wide high = 22 + (phase.perRound > 0 ? phase.perRound : Wide{0}) + (h0 - phase.threshold);
  // At `high`: r(r - 21 - perRound) >= r >= h0 - threshold, so it has fallen.
  while (high - low > 1) {
    const Wide mid = low + (high - low) / 2;
    if (counter(mid) <= phase.threshold)
      high = mid;
    else
      low = mid;
  }
  return high;
}

}  // namespace

// The magnitudes below hold while a hit's damage stays under 2^35, that is
// for at most kMaxAttackOrgans attack organs of up to 2^32 each. An eighth
// organ needs the bounds in firstFallingRound worked out again.
static_assert(table_checks::attackOrganCount(kCharacteristicTable) <= kMaxAttackOrgans,
              "a hit's damage must stay below 2^35");

int64_t damagePerHit(const Organism& p, const Organism& q) {
  int64_t damage = 0;
  for (const CharacteristicInfo& c : kCharacteristicTable) {
    if (c.battleRole != BattleRole::AttackOrgan) continue;
    const int64_t diff = int64_t{level(p, c.id)} - level(q, *c.softenedBy);
    damage += diff > 0 ? diff : int64_t{0};
  }
  return damage;
}

// Neither side's counter matters until it is struck, and each phase either
// kills or moves the counter by a fixed amount, so the battle is decided by
// which side's counter first starts a round at or below its threshold; the
// attacker strikes first, so it wins a tie.
bool attackerWinsRounds(const Organism& attacker, const Organism& defender) {
  const StrikePhase onDefender = strikePhase(attacker, defender);
  const StrikePhase onAttacker = strikePhase(defender, attacker);
  // An attacker that never strikes cannot take the cell; when the defender
  // never strikes either the rounds would not end, and the defender keeps it.
  if (!onDefender.strikes) return false;
  if (!onAttacker.strikes) return true;
  return firstFallingRound(defender.hp, onDefender) <= firstFallingRound(attacker.hp, onAttacker);
}

}  // namespace klebony
