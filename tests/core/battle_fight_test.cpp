// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The closed-form rounds against a literal hit-by-hit battle.
#include <gtest/gtest.h>

#include <climits>
#include <optional>
#include <random>

#include "core/battle_fight.h"
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

void setOrgans(Organism& o, int32_t s, int32_t l, int32_t k, int32_t h, int32_t p) {
  o.spike = s;
  o.blades = l;
  o.claws = k;
  o.tail = h;
  o.spores = p;
}

void setDefences(Organism& o, int32_t s, int32_t l, int32_t k, int32_t h, int32_t p) {
  o.piercingDefence = s;
  o.cuttingDefence = l;
  o.choppingDefence = k;
  o.chokingDefence = h;
  o.acidDefence = p;
}

TEST(DamagePerHit, EachPairIsClampedOnItsOwn) {
  Organism p = newGameOrganism();
  Organism q = newGameOrganism();
  setOrgans(p, 5, 0, 0, 0, 0);
  setDefences(q, 0, 9, 9, 9, 9);
  EXPECT_EQ(damagePerHit(p, q), 5);
  setOrgans(p, 1, 2, 3, 4, 5);
  setDefences(q, 0, 3, 1, 4, -2);
  EXPECT_EQ(damagePerHit(p, q), 1 + 0 + 2 + 0 + 7);
}

TEST(DamagePerHit, ExtremeOrgansAndDefencesDoNotOverflow) {
  Organism p = newGameOrganism();
  Organism q = newGameOrganism();
  setOrgans(p, INT32_MAX, INT32_MAX, INT32_MAX, INT32_MAX, INT32_MAX);
  setDefences(q, INT32_MIN, INT32_MIN, INT32_MIN, INT32_MIN, INT32_MIN);
  EXPECT_EQ(damagePerHit(p, q), 5 * (int64_t{INT32_MAX} - INT32_MIN));
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
      setOrgans(o, pick(-2, 6), pick(-2, 4), pick(0, 3), pick(-1, 3), pick(0, 2));
      setDefences(o, pick(-2, 5), pick(-2, 4), pick(0, 3), pick(-1, 3), pick(0, 2));
      if (pick(0, 3) == 0) setOrgans(o, 0, 0, 0, 0, 0);
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
      setOrgans(o, pick(0, 60), pick(0, 30), 0, 0, pick(0, 400));
      setDefences(o, pick(0, 50), pick(0, 30), 0, 0, pick(0, 400));
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

// Records at the limits of an int32: must finish at once and without
// overflow (the sanitizer build checks the latter).
TEST(BattleRounds, ExtremeRecordsFinishWithoutOverflow) {
  const int32_t values[] = {INT32_MIN, INT32_MIN + 1, -1, 0, 1, INT32_MAX - 1, INT32_MAX};
  for (int32_t v : values)
    for (int32_t w : values) {
      Organism a = newGameOrganism();
      Organism d = newGameOrganism();
      a.hp = v;
      a.mobility = w;
      a.regeneration = v;
      setOrgans(a, w, v, w, v, w);
      setDefences(a, v, w, v, w, v);
      d.hp = w;
      d.mobility = v;
      d.regeneration = w;
      setOrgans(d, v, w, v, w, v);
      setDefences(d, w, v, w, v, w);
      (void)attackerWinsRounds(a, d);
      (void)attackerWinsRounds(d, a);
    }
  SUCCEED();
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
