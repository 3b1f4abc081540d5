// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The closed-form rounds against a literal hit-by-hit battle.
#include <gtest/gtest.h>

#include <climits>
#include <optional>
#include <random>
#include <utility>

#include "core/battle_fight.h"
#include "core/characteristics.h"
#include "core/wide_int.h"

namespace klebony {
namespace {

enum class Winner { Attacker, Defender };

// The rounds exactly as the game describes them, hit by hit. Wide counters so
// that small test values never overflow; nothing when `roundLimit` is reached.
std::optional<Winner> referenceFight(const Organism& a, const Organism& d, int roundLimit = 100000) {
  Int128 hpA = a.hp;
  Int128 hpD = d.hp;
  const Int128 dmgA = damagePerHit(a, d);
  const Int128 dmgD = damagePerHit(d, a);
  const int64_t hitsA = int64_t{a.mobility} + 1;
  const int64_t hitsD = int64_t{d.mobility} + 1;
  for (int64_t r = 0; r < roundLimit; ++r) {
    for (int64_t i = 0; i < hitsA; ++i) {
      hpD -= dmgA;
      if (hpD <= 0) return Winner::Attacker;
      hpD += d.regeneration;
    }
    for (int64_t i = 0; i < hitsD; ++i) {
      hpA -= dmgD;
      if (hpA <= 0) return Winner::Defender;
      hpA += a.regeneration;
    }
    if (r > 20) {
      hpA -= 2 * r - 20;
      hpD -= 2 * r - 20;
    }
  }
  return std::nullopt;
}

Winner closedForm(const Organism& a, const Organism& d) {
  return attackerWinsRounds(a, d) ? Winner::Attacker : Winner::Defender;
}

Organism newGameOrganism() {
  Organism o;
  o.alive = true;
  o.hp = 10;
  o.vitality = 1;
  o.mobility = 1;
  o.size = 1;
  o.aggression = 1;
  o.sensors = 1;
  return o;
}

// Sets each attack organ, or each defence, of `o` to `value(i)`, i counting them in the table's order.
template <typename F>
void setEach(Organism& o, BattleRole role, F value) {
  int i = 0;
  for (const CharacteristicInfo& c : kCharacteristicTable)
    if (c.battleRole == role) level(o, c.id) = value(i++);
}
void setEach(Organism& o, BattleRole role, int32_t value) {
  setEach(o, role, [=](int) { return value; });
}

constexpr int kOrgans = table_checks::attackOrganCount(kCharacteristicTable);

// Each organ meets its own defence alone, clamped at no damage.
TEST(DamagePerHit, EachOrganMeetsOnlyItsOwnDefence) {
  Organism q = newGameOrganism();
  setEach(q, BattleRole::Defence, 9);
  for (const CharacteristicInfo& organ : kCharacteristicTable) {
    if (organ.battleRole != BattleRole::AttackOrgan) continue;
    Organism p = newGameOrganism();
    level(p, organ.id) = 5;
    EXPECT_EQ(damagePerHit(p, q), 0) << organ.name;
    level(q, *organ.softenedBy) = 2;
    EXPECT_EQ(damagePerHit(p, q), 3) << organ.name;
    level(q, *organ.softenedBy) = -2;
    EXPECT_EQ(damagePerHit(p, q), 7) << organ.name;
    level(q, *organ.softenedBy) = 9;
  }
}

// The organs' damages add up, without overflow at the extremes.
TEST(DamagePerHit, ExtremeOrgansAndDefencesAddUpWithoutOverflow) {
  Organism p = newGameOrganism();
  Organism q = newGameOrganism();
  setEach(p, BattleRole::AttackOrgan, INT32_MAX);
  setEach(q, BattleRole::Defence, INT32_MIN);
  EXPECT_EQ(damagePerHit(p, q), kOrgans * (int64_t{INT32_MAX} - INT32_MIN));
  EXPECT_EQ(damagePerHit(q, p), 0);
}

TEST(BattleRounds, NewGameOrganismsGoToTheEnvironmentAndTheAttackerWins) {
  Organism a = newGameOrganism();
  Organism d = newGameOrganism();
  EXPECT_EQ(referenceFight(a, d), Winner::Attacker);
  EXPECT_EQ(closedForm(a, d), Winner::Attacker);
}

TEST(BattleRounds, AttackerWhoseHitMatchesTheDefendersHpWinsAtOnce) {
  Organism a = newGameOrganism();
  Organism d = newGameOrganism();
  a.spike = 10;
  d.spike = 1000;  // would kill at once, but never strikes
  EXPECT_EQ(closedForm(a, d), Winner::Attacker);
}

TEST(BattleRounds, RegenerationSlowsButDoesNotSaveTheDefender) {
  // Defender's counter: 7, 8, 5, 6 | 3, 4, 1, 2 | -1 at round index 2.
  Organism a = newGameOrganism();
  Organism d = newGameOrganism();
  a.spike = 3;
  d.regeneration = 1;
  EXPECT_EQ(closedForm(a, d), Winner::Attacker);
  d.hp = 11;
  EXPECT_EQ(closedForm(a, d), referenceFight(a, d));
}

TEST(BattleRounds, DefenderWithSpikeFiveKillsWithItsSecondHit) {
  Organism a = newGameOrganism();
  Organism d = newGameOrganism();
  d.spike = 5;
  EXPECT_EQ(closedForm(a, d), Winner::Defender);
  d.spike = 4;  // 10 -> 6 -> 2, then the environment decides: attacker strikes first
  EXPECT_EQ(closedForm(a, d), referenceFight(a, d));
}

TEST(BattleRounds, SpeedDecidesTheNumberOfHits) {
  // Speed 3 gives four hits of 3 against 12 hit points: the defender falls in round 0.
  Organism a = newGameOrganism();
  Organism d = newGameOrganism();
  a.spike = 3;
  a.mobility = 3;
  d.hp = 12;
  d.spike = 100;
  EXPECT_EQ(closedForm(a, d), Winner::Attacker);
  a.mobility = 2;  // three hits leave 3, and the defender strikes back
  EXPECT_EQ(closedForm(a, d), Winner::Defender);
}

TEST(BattleRounds, EnvironmentBroughtBothDownAndTheAttackersHarmlessHitWins) {
  Organism a = newGameOrganism();
  Organism d = newGameOrganism();
  a.regeneration = 1;
  d.regeneration = 1;  // +2 a round on both sides, the environment still wins at last
  EXPECT_EQ(referenceFight(a, d), Winner::Attacker);
  EXPECT_EQ(closedForm(a, d), Winner::Attacker);
}

TEST(BattleRounds, SideThatNeverStrikes) {
  Organism a = newGameOrganism();
  Organism d = newGameOrganism();
  a.mobility = -1;  // no hits: the attacker cannot take the cell
  EXPECT_EQ(closedForm(a, d), Winner::Defender);
  EXPECT_EQ(referenceFight(a, d), Winner::Defender);
  d.mobility = INT32_MIN;  // nobody strikes: the rounds would never end, the defender keeps the cell
  EXPECT_EQ(closedForm(a, d), Winner::Defender);
  a.mobility = 0;  // one hit a round against a defender that never strikes
  EXPECT_EQ(closedForm(a, d), Winner::Attacker);
}

TEST(BattleRounds, HpAtOrBelowZeroFallsToTheFirstHit) {
  Organism a = newGameOrganism();
  Organism d = newGameOrganism();
  d.hp = 0;
  d.spike = 100;
  EXPECT_EQ(closedForm(a, d), Winner::Attacker);
  d.hp = INT32_MIN;
  EXPECT_EQ(closedForm(a, d), Winner::Attacker);
  a.hp = INT32_MIN;  // the attacker's own counter is noticed only when it is struck
  EXPECT_EQ(closedForm(a, d), Winner::Attacker);
}

// Random small fights, including negative and zero values, compared with the
// reference; the values are small enough for the reference to finish.
TEST(BattleRounds, ClosedFormMatchesHitByHitOnRandomFights) {
  std::mt19937 gen(20240611);
  auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(gen); };
  for (int i = 0; i < 40000; ++i) {
    Organism side[2];
    for (auto& o : side) {
      o = newGameOrganism();
      o.hp = pick(-5, 60);
      o.mobility = pick(-3, 6);
      o.regeneration = pick(-6, 14);
      setEach(o, BattleRole::AttackOrgan, [&](int) { return pick(-2, 4); });
      setEach(o, BattleRole::Defence, [&](int) { return pick(-2, 4); });
      if (pick(0, 3) == 0) setEach(o, BattleRole::AttackOrgan, 0);
    }
    auto expected = referenceFight(side[0], side[1]);
    if (!expected) expected = Winner::Defender;  // nobody strikes
    ASSERT_EQ(closedForm(side[0], side[1]), *expected)
        << "fight " << i << ": hp " << side[0].hp << "/" << side[1].hp << " speed " << side[0].mobility << "/"
        << side[1].mobility << " reg " << side[0].regeneration << "/" << side[1].regeneration << " dmg "
        << damagePerHit(side[0], side[1]) << "/" << damagePerHit(side[1], side[0]);
  }
}

// Large speeds and large regeneration, where the fight runs long before the
// environment ends it.
TEST(BattleRounds, ClosedFormMatchesHitByHitWithLargeSpeedsAndRegeneration) {
  std::mt19937 gen(7);
  auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(gen); };
  for (int i = 0; i < 3000; ++i) {
    Organism side[2];
    for (auto& o : side) {
      o = newGameOrganism();
      o.hp = pick(-10, 3000);
      o.mobility = pick(-1, 60);
      o.regeneration = pick(-50, 400);
      // Damage of up to about 500 a hit, however many organs share it.
      setEach(o, BattleRole::AttackOrgan, [&](int) { return pick(0, 500 / kOrgans); });
      setEach(o, BattleRole::Defence, [&](int) { return pick(0, 500 / kOrgans); });
    }
    auto expected = referenceFight(side[0], side[1]);
    ASSERT_TRUE(expected.has_value());
    ASSERT_EQ(closedForm(side[0], side[1]), *expected) << "fight " << i;
  }
}

// Exhaustive over a small cube around the turning points (d = reg, d = 0, hp = d).
TEST(BattleRounds, ClosedFormMatchesHitByHitAroundTheTurningPoints) {
  for (int hp = -1; hp <= 8; ++hp)
    for (int dmg = 0; dmg <= 4; ++dmg)
      for (int reg = -2; reg <= 5; ++reg)
        for (int speed = -1; speed <= 3; ++speed)
          for (int otherDmg = 0; otherDmg <= 3; ++otherDmg) {
            Organism a = newGameOrganism();
            Organism d = newGameOrganism();
            a.spike = dmg;
            a.mobility = speed;
            a.regeneration = reg - 1;
            a.hp = 9 - hp;
            d.hp = hp;
            d.regeneration = reg;
            d.blades = otherDmg;
            d.mobility = 3 - speed;
            auto expected = referenceFight(a, d);
            if (!expected) expected = Winner::Defender;
            ASSERT_EQ(closedForm(a, d), *expected)
                << hp << " " << dmg << " " << reg << " " << speed << " " << otherDmg;
          }
}

// Records at the limits of an int32 finish at once, without overflow (the
// sanitizer build checks that), and still obey the rules that hold for any
// record: a side that never strikes cannot take the cell, one that is never
// struck back cannot lose it, and more hit points never lose a won battle.
TEST(BattleRounds, ExtremeRecordsKeepTheRulesOfAnyRecord) {
  // One side from two values; the other side swaps them.
  const auto side = [](int32_t x, int32_t y) {
    Organism o = newGameOrganism();
    o.hp = o.regeneration = x;
    o.mobility = y;
    setEach(o, BattleRole::AttackOrgan, [=](int i) { return i % 2 ? x : y; });
    setEach(o, BattleRole::Defence, [=](int i) { return i % 2 ? y : x; });
    return o;
  };
  const int32_t values[] = {INT32_MIN, INT32_MIN + 1, -1, 0, 1, INT32_MAX - 1, INT32_MAX};
  for (int32_t v : values)
    for (int32_t w : values) {
      const Organism a = side(v, w), d = side(w, v);
      for (auto [attacker, defender] : {std::pair{a, d}, std::pair{d, a}}) {
        const bool won = attackerWinsRounds(attacker, defender);
        if (attacker.mobility < 0) {
          EXPECT_FALSE(won) << v << " " << w;
        } else if (defender.mobility < 0) {
          EXPECT_TRUE(won) << v << " " << w;
        }
        Organism stronger = won ? attacker : defender;
        stronger.hp = INT32_MAX;
        EXPECT_EQ(won ? attackerWinsRounds(stronger, defender) : attackerWinsRounds(attacker, stronger), won)
            << v << " " << w;
      }
    }
}

TEST(BattleRounds, LargestRegenerationAndSpeedStillEndByTheEnvironment) {
  // Both sides harmless, with the largest reg and speed: the counters climb
  // past 2^120 before the environment brings them down; the attacker, who
  // strikes first, wins the tie.
  Organism a = newGameOrganism();
  Organism d = newGameOrganism();
  for (Organism* o : {&a, &d}) {
    o->regeneration = INT32_MAX;
    o->mobility = INT32_MAX;
    o->hp = INT32_MAX;
  }
  EXPECT_TRUE(attackerWinsRounds(a, d));
  // The defender starting one hit point lower still falls first.
  d.hp = INT32_MAX - 1;
  EXPECT_TRUE(attackerWinsRounds(a, d));
  // With a lower regeneration the defender's counter peaks lower and falls
  // earlier; the attacker with the higher one cannot lose.
  a.regeneration = INT32_MAX - 1;
  d.hp = INT32_MAX;
  EXPECT_FALSE(attackerWinsRounds(a, d));
}

}  // namespace
}  // namespace klebony
