// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What a battle does to the records and what the user sees, in order.
#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "tests/core/support.h"

namespace klebony {
namespace {

using test::setBoard;
using test::TestGame;
using Lines = std::vector<std::string>;

constexpr int kZenomius = 0;
constexpr int kAkius = 1;
constexpr int kUrenus = 2;

// The player's cell next to one of Зеномиус and one of Акиус.
struct BattleGame : TestGame {
  BattleGame() {
    setBoard(world(), {
                          "04..",
                          ".1..",
                      });
  }
  // Makes `k` win against a side without organs: its first hit kills.
  void makeStrong(int k) { org(k).spike = 1000; }
  // One draw of 0 after those a step needs: left over when the battle drew exactly what was queued.
  void expectDrawsUsedUp() {
    EXPECT_EQ(game.random.queued(), 1u) << "the battle drew more or less than queued";
  }
};

TEST(BattleConsequences, PlayerAttacksAndLoses) {
  BattleGame t;
  t.makeStrong(kZenomius);
  t.org(kPlayer).vitality = 3;
  t.org(kPlayer).hp = 4;
  t.org(kZenomius).aminoAcids = 17;
  t.draws({0});
  EXPECT_EQ(battle(t.game, kPlayer, kZenomius, true), kZenomius);
  EXPECT_EQ(t.rec.lines, (Lines{"sound Sound/Smeh_2.wav", "message Битва проиграна! :-("}));
  EXPECT_EQ(t.game.window.upperStatus, "");
  const Organism& p = t.org(kPlayer);
  const Organism& z = t.org(kZenomius);
  EXPECT_EQ(p.battlesWon, 0);
  EXPECT_EQ(p.hp, 30);
  EXPECT_EQ(p.size, 1);
  EXPECT_EQ(z.battlesWon, 1);
  EXPECT_TRUE(z.tentacles[0].active);
  EXPECT_EQ(z.tentacles[0].travel, 0);
  EXPECT_EQ(z.tentacleCount, 1);
  EXPECT_EQ(z.aminoAcids, 5017);
  EXPECT_EQ(z.size, 1);
  EXPECT_EQ(z.hp, 10);  // a defender that wins keeps its hp
  t.expectDrawsUsedUp();
}

TEST(BattleConsequences, PlayerLosingToAFullTentacleSetStillPays5000) {
  BattleGame t;
  t.makeStrong(kZenomius);
  Organism& z = t.org(kZenomius);
  for (Tentacle& s : z.tentacles) s = {true, 5};
  z.tentacleCount = 20;
  battle(t.game, kPlayer, kZenomius, true);
  EXPECT_EQ(z.tentacleCount, 20);
  EXPECT_EQ(z.aminoAcids, 5000);
  for (const Tentacle& s : z.tentacles) EXPECT_EQ(s.travel, 5);
  // The lowest free slot is taken, not the first after the active ones.
  z.tentacles[3] = {false, 9};
  z.tentacles[12] = {false, 0};
  z.tentacleCount = 18;
  battle(t.game, kPlayer, kZenomius, true);
  EXPECT_TRUE(z.tentacles[3].active);
  EXPECT_EQ(z.tentacles[3].travel, 0);
  EXPECT_FALSE(z.tentacles[12].active);
  EXPECT_EQ(z.tentacleCount, 19);
}

TEST(BattleConsequences, PlayerBeatsALastCellAndTheDefenderIsGoneBeforeReturn) {
  BattleGame t;
  t.makeStrong(kPlayer);
  t.org(kZenomius).vitality = 4;
  t.org(kZenomius).hp = 1;
  t.draws({0, 0, 0});  // no defence, no growth
  EXPECT_EQ(battle(t.game, kPlayer, kZenomius, true), kPlayer);
  const Organism& z = t.org(kZenomius);
  EXPECT_EQ(z.size, 0);
  EXPECT_FALSE(z.alive);
  EXPECT_EQ(z.hp, 40);
  EXPECT_EQ(z.battlesWon, 0);
  EXPECT_EQ(t.org(kPlayer).battlesWon, 1);
  EXPECT_EQ(t.org(kPlayer).size, 1);  // the caller hands over the cell
  EXPECT_EQ(t.rec.lines, (Lines{"status Тарвилис напал на  Зеномиус и ПОБЕДИЛ!", "sound Sound/Attak.wav"}));
  t.expectDrawsUsedUp();
}

TEST(BattleConsequences, DefenderWithCellsLeftStaysAlive) {
  BattleGame t;
  setBoard(t.world(), {"004"});
  t.makeStrong(kPlayer);
  t.draws({0, 0});
  battle(t.game, kPlayer, kZenomius, true);
  EXPECT_EQ(t.org(kZenomius).size, 1);
  EXPECT_TRUE(t.org(kZenomius).alive);
}

TEST(BattleConsequences, ComputerTakesThePlayersLastCell) {
  BattleGame t;
  t.makeStrong(kAkius);
  t.org(kPlayer).hp = 3;
  t.draws({0, 0});
  EXPECT_EQ(battle(t.game, kAkius, kPlayer, true), kAkius);
  EXPECT_EQ(t.rec.lines,
            (Lines{"status Акиус напал на  Тарвилис и ПОБЕДИЛ!", "message На нас напал Акиус и победил! :-(",
                   "sound Sound/Smeh_1.wav", "message Ну, все, БЛИН! Замочили меня! :-(", "endgame"}));
  EXPECT_EQ(t.org(kPlayer).size, 0);
  EXPECT_FALSE(t.org(kPlayer).alive);
  EXPECT_EQ(t.org(kPlayer).hp, 10);
  EXPECT_EQ(t.org(kAkius).battlesWon, 1);
  t.expectDrawsUsedUp();
}

TEST(BattleConsequences, ComputerTakesAPlayerCellThatIsNotTheLast) {
  BattleGame t;
  setBoard(t.world(), {"144"});
  t.makeStrong(kAkius);
  t.draws({0});
  battle(t.game, kAkius, kPlayer, true);
  EXPECT_EQ(t.rec.lines, (Lines{"status Акиус напал на  Тарвилис и ПОБЕДИЛ!",
                                "message На нас напал Акиус и победил! :-("}));
  EXPECT_TRUE(t.org(kPlayer).alive);
}

TEST(BattleConsequences, PlayerHoldsItsCellSilently) {
  BattleGame t;
  t.makeStrong(kPlayer);
  t.org(kPlayer).hp = 7;
  t.draws({0});
  EXPECT_EQ(battle(t.game, kAkius, kPlayer, true), kPlayer);
  EXPECT_TRUE(t.rec.lines.empty());
  EXPECT_EQ(t.org(kPlayer).battlesWon, 1);
  EXPECT_EQ(t.org(kPlayer).hp, 7);
  EXPECT_EQ(t.org(kAkius).hp, 10);
  EXPECT_EQ(t.org(kAkius).aminoAcids, 0);  // only a lost attack of the player pays
  EXPECT_FALSE(t.org(kAkius).tentacles[0].active);
  t.expectDrawsUsedUp();
}

TEST(BattleConsequences, BattleBetweenComputerOrganismsOnlyReportsTheVictor) {
  BattleGame t;
  setBoard(t.world(), {"0124"});
  t.makeStrong(kUrenus);
  t.draws({0, 0});
  battle(t.game, kUrenus, kAkius, true);
  EXPECT_EQ(t.rec.lines, (Lines{"status Уренус напал на  Акиус и ПОБЕДИЛ!"}));
  EXPECT_FALSE(t.org(kAkius).alive);
  t.expectDrawsUsedUp();  // no growth draw: only the player's victims grow
}

TEST(BattleConsequences, TrialBattlesChangeNothingButHp) {
  for (bool attackerStrong : {true, false}) {
    BattleGame t;
    t.makeStrong(attackerStrong ? kAkius : kZenomius);
    for (int k : {kZenomius, kAkius}) {
      t.org(k).vitality = 2;  // hp above full, as after a sabotage of live
      t.org(k).hp = 55;
      t.org(k).aminoAcids = 123;
    }
    t.org(kZenomius).size = 0;  // even a defender record without cells is left alone
    const World before = t.world();
    t.draws({0});
    EXPECT_EQ(battle(t.game, kAkius, kZenomius, false), attackerStrong ? kAkius : kZenomius);
    EXPECT_TRUE(t.rec.lines.empty());
    EXPECT_EQ(t.game.window.upperStatus, "");
    for (int k = 0; k < kOrganismCount; ++k) {
      Organism expected = before.organisms[k];
      if (k == kZenomius || k == kAkius) expected.hp = 20;
      EXPECT_EQ(t.org(k), expected) << "organism " << k;
    }
    t.expectDrawsUsedUp();
  }
}

TEST(BattleConsequences, BeatenDefenderGainsADefenceOnOneInThree) {
  const auto defences = [](const Organism& o) {
    std::vector<int32_t> levels;
    for (Characteristic d : kDefencesGainedWhenBeaten) levels.push_back(level(o, d));
    return levels;
  };
  const std::vector<int32_t> none(kDefencesGainedWhenBeaten.size(), 0);
  for (std::size_t n = 0; n < kDefencesGainedWhenBeaten.size(); ++n) {
    BattleGame t;
    setBoard(t.world(), {"14"});
    t.makeStrong(kAkius);
    t.draws({1, static_cast<int>(n), 0});
    battle(t.game, kAkius, kPlayer, true);  // the player is a defender like any other
    std::vector<int32_t> expected = none;
    expected[n] = 1;
    EXPECT_EQ(defences(t.org(kPlayer)), expected) << n;
    t.expectDrawsUsedUp();
  }
  for (int miss : {0, 2}) {
    BattleGame t;
    setBoard(t.world(), {"14"});
    t.makeStrong(kAkius);
    t.draws({miss, 0});
    battle(t.game, kAkius, kPlayer, true);
    EXPECT_EQ(defences(t.org(kPlayer)), none);
    t.expectDrawsUsedUp();
  }
}

// Each value of the growth draw grows what the table names for it (a vitality
// step brings 400 amino acids too), any other value nothing.
TEST(BattleConsequences, PlayersVictimGrowsByTheTableAfterTheDefenceDraws) {
  int grown = 0;
  for (int w = 0; w < kDefeatGrowthDraws; ++w) {
    BattleGame t;
    setBoard(t.world(), {"004"});
    t.makeStrong(kPlayer);
    Organism& z = t.org(kZenomius);
    z.aminoAcids = 1;
    z.tentacles[0] = {true, 3};
    z.tentacleCount = 1;
    Organism expected = z;
    expected.size = 1;
    level(expected, kDefencesGainedWhenBeaten[2]) = 1;  // the defence draws come first
    for (const CharacteristicInfo& c : kCharacteristicTable) {
      if (!c.defeatGrowthDraws.contains(w)) continue;
      const int32_t before = level(expected, c.id);
      gainLevel(expected, c.id);
      EXPECT_EQ(level(expected, c.id), before + 1) << c.name;
      if (c.id == Characteristic::Vitality) expected.aminoAcids += 400;
      ++grown;
    }
    t.draws({1, 2, w, 0});
    battle(t.game, kPlayer, kZenomius, true);
    EXPECT_EQ(z, expected) << "w = " << w;
    t.expectDrawsUsedUp();
  }
  EXPECT_GT(grown, 0);
}

TEST(BattleConsequences, GrowthTentacleWithEverySlotTakenAddsNothing) {
  BattleGame t;
  setBoard(t.world(), {"004"});
  t.makeStrong(kPlayer);
  Organism& z = t.org(kZenomius);
  for (Tentacle& s : z.tentacles) s = {true, 1};
  z.tentacleCount = 20;
  t.draws({0, 13});
  battle(t.game, kPlayer, kZenomius, true);
  EXPECT_EQ(z.tentacleCount, 20);
  EXPECT_EQ(z.aminoAcids, 0);
}

// Records from a saved file may hold any int32: every addition stays in range.
TEST(BattleConsequences, StocksAndLevelsSaturateAtTheirLimits) {
  {
    BattleGame t;
    t.makeStrong(kZenomius);
    t.org(kZenomius).aminoAcids = INT32_MAX - 10;
    t.org(kZenomius).battlesWon = INT32_MAX;
    t.org(kZenomius).tentacleCount = INT32_MAX;
    t.org(kPlayer).vitality = INT32_MAX;
    battle(t.game, kPlayer, kZenomius, true);
    EXPECT_EQ(t.org(kZenomius).aminoAcids, INT32_MAX);
    EXPECT_EQ(t.org(kZenomius).battlesWon, INT32_MAX);
    EXPECT_EQ(t.org(kZenomius).tentacleCount, INT32_MAX);
    EXPECT_EQ(t.org(kPlayer).hp, INT32_MAX);
  }
  {
    BattleGame t;
    t.makeStrong(kPlayer);
    Organism& z = t.org(kZenomius);
    z.size = INT32_MIN;
    z.vitality = INT32_MAX;
    z.aminoAcids = INT32_MAX;
    z.acidDefence = INT32_MAX;
    t.org(kPlayer).vitality = INT32_MIN;
    t.draws({1, 4, 3});
    battle(t.game, kPlayer, kZenomius, true);
    EXPECT_EQ(z.size, INT32_MIN);
    EXPECT_FALSE(z.alive);
    EXPECT_EQ(z.vitality, INT32_MAX);
    EXPECT_EQ(z.hp, INT32_MAX);
    EXPECT_EQ(z.aminoAcids, INT32_MAX);
    EXPECT_EQ(z.acidDefence, INT32_MAX);
    EXPECT_EQ(t.org(kPlayer).hp, INT32_MIN);
  }
}

TEST(BattleConsequences, ExtremeRecordsFightToAnEndWithoutOverflow) {
  for (int32_t v : {INT32_MIN, -1, 0, INT32_MAX})
    for (int32_t w : {INT32_MIN, 0, 1, INT32_MAX}) {
      BattleGame t;
      for (int k : {kZenomius, kPlayer}) {
        Organism& o = t.org(k);
        for (const CharacteristicInfo& c : kCharacteristicTable)
          level(o, c.id) =
              c.battleRole == BattleRole::AttackOrgan || (c.battleRole == BattleRole::Defence && k != kPlayer)
                  ? w
                  : v;
        o.hp = o.aminoAcids = o.battlesWon = o.size = v;
        v = v == INT32_MIN ? INT32_MAX : v;  // the two sides differ
      }
      t.draws({1, 4, 13});
      const int winner = battle(t.game, kPlayer, kZenomius, true);
      EXPECT_TRUE(winner == kPlayer || winner == kZenomius);
    }
}

}  // namespace
}  // namespace klebony
