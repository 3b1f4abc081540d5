// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <limits>

#include "tests/core/support.h"

namespace klebony {
namespace {

using test::TestGame;
using Lines = std::vector<std::string>;

// Everyone alive on one cell each; organism `source` has `count` tentacles in slots 0...
struct SabotageGame : TestGame {
  SabotageGame(int source, int count) {
    test::setBoard(world(), {"0.1.2.3.4"});
    Organism& s = org(source);
    for (int i = 0; i < count; ++i) s.tentacles[i] = {true, 40};
    s.tentacleCount = count;
  }
};

TEST(SabotageTentacle, TheLastTentacleTravelsAgain) {
  SabotageGame t(1, 1);
  t.org(1).tentacles[0] = {false, 0};
  t.org(1).tentacles[3] = {true, 38};
  t.draws({0, 0});
  sabotage(t.game, 1, 3);
  EXPECT_EQ(t.org(1).tentacleCount, 1);
  EXPECT_TRUE(t.org(1).tentacles[3].active);
  EXPECT_EQ(t.org(1).tentacles[3].travel, 0);
}

TEST(SabotageTentacle, ALoneTentacleOfLevelTenStrikesEveryEighthTurn) {
  SabotageGame t(kPlayer, 1);
  t.org(kPlayer).tentacles[0].travel = 0;
  t.org(kPlayer).tentacleLevel = 10;
  t.org(2).spike = 5;
  for (int step = 1; step <= 24; ++step) {
    if (step % 8 == 0) t.draws({2, 11});
    tentacleStep(t.game, kPlayer);
  }
  EXPECT_EQ(t.org(2).spike, 2);
  EXPECT_EQ(t.org(kPlayer).tentacles[0], (Tentacle{true, 0}));
  EXPECT_EQ(t.rec.lines.size(), 3u);
  EXPECT_EQ(t.game.random.queued(), 0u);
}

TEST(SabotageTentacle, OneOfSeveralDisappearsAndFreesItsSlot) {
  SabotageGame t(2, 3);
  t.draws({0, 0});
  sabotage(t.game, 2, 1);
  EXPECT_EQ(t.org(2).tentacleCount, 2);
  EXPECT_EQ(t.org(2).tentacles[1], (Tentacle{false, 0}));
  EXPECT_EQ(t.org(2).tentacles[0], (Tentacle{true, 40}));
  EXPECT_EQ(t.org(2).tentacles[2], (Tentacle{true, 40}));
}

TEST(SabotageTentacle, NothingAtAllOnceEveryComputerOrganismIsGone) {
  SabotageGame t(kPlayer, 2);
  test::setBoard(t.world(), {"4"});
  t.draws({0, 2});
  sabotage(t.game, kPlayer, 0);
  EXPECT_EQ(t.org(kPlayer).tentacleCount, 2);
  EXPECT_EQ(t.org(kPlayer).tentacles[0], (Tentacle{true, 40}));
  EXPECT_EQ(t.game.random.queued(), 2u);
  EXPECT_TRUE(t.rec.lines.empty());
}

// Regression: with nobody but the source alive the target draw repeated for ever.
TEST(SabotageTentacle, WithoutAnyOtherLivingOrganismItEndsAfterTheSlot) {
  SabotageGame t(0, 2);
  test::setBoard(t.world(), {"0"});
  t.draws({1, 2});
  sabotage(t.game, 0, 1);
  EXPECT_EQ(t.org(0).tentacleCount, 1);
  EXPECT_FALSE(t.org(0).tentacles[1].active);
  EXPECT_EQ(t.game.random.queued(), 2u);
}

TEST(SabotageTarget, DrawsAgainPastTheSourceAndTheDead) {
  SabotageGame t(0, 1);
  t.org(2).alive = false;
  t.org(3).regeneration = 4;
  t.draws({0, 2, 0, 3, 5});
  sabotage(t.game, 0, 0);
  EXPECT_EQ(t.org(3).regeneration, 3);
  EXPECT_EQ(t.game.random.queued(), 0u);
  EXPECT_TRUE(t.rec.lines.empty());  // between computer organisms nobody is told
}

// Every row with a sabotage draw: its value lowers that level by one and no
// other, down to its floor, whatever that does to hp, and names it for the player.
TEST(SabotageEffect, EachRowLowersItsOwnFieldAndNamesItForThePlayer) {
  for (const CharacteristicInfo& row : kCharacteristicTable) {
    if (row.sabotageDraw == kNoDraw) continue;
    SabotageGame t(kPlayer, 1);
    for (Characteristic c : kCharacteristics) level(t.org(1), c) = row.sabotageFloor + 1;
    t.org(1).hp = 50;
    Organism expected = t.org(1);
    level(expected, row.id) -= 1;
    t.draws({1, row.sabotageDraw});
    sabotage(t.game, kPlayer, 0);
    EXPECT_EQ(t.org(1), expected) << row.name;  // hp stays, above a lowered vitality's maximum
    EXPECT_EQ(t.rec.lines, (Lines{std::string("message ") + row.sabotageMessage + "Акиус"})) << row.name;
  }
}

TEST(SabotageEffect, FieldsStopAtTheirFloors) {
  for (const CharacteristicInfo& row : kCharacteristicTable) {
    if (row.sabotageDraw == kNoDraw) continue;
    SabotageGame t(kPlayer, 1);
    level(t.org(3), row.id) = row.sabotageFloor;
    const Organism before = t.org(3);
    t.draws({3, row.sabotageDraw});
    sabotage(t.game, kPlayer, 0);
    EXPECT_EQ(t.org(3), before) << row.name;
    EXPECT_EQ(t.rec.lines, (Lines{"message Саботаж не удался! :-("})) << row.name;
  }
}

// The values of the draw that no row takes and that do not rob.
TEST(SabotageEffect, EmptyRowsFailForThePlayer) {
  for (int draw = 0; draw < kSabotageDraws; ++draw) {
    if (!isFreeDrawValue(kSabotageDraw, draw)) continue;
    SabotageGame t(kPlayer, 1);
    const auto organisms = t.world().organisms;
    t.draws({0, draw});
    sabotage(t.game, kPlayer, 0);
    for (int k = 0; k < kOpponentCount; ++k) EXPECT_EQ(t.org(k), organisms[k]) << draw << " " << k;
    EXPECT_EQ(t.org(kPlayer).aminoAcids, organisms[kPlayer].aminoAcids) << draw;
    EXPECT_EQ(t.rec.lines, (Lines{"message Саботаж не удался! :-("})) << draw;
  }
}

TEST(SabotageRobbery, InTurnHundredEmptiesASmallStockAndPaysTheSource) {
  SabotageGame t(kPlayer, 1);
  t.world().turn = 100;
  t.org(0).aminoAcids = 4000;
  t.org(kPlayer).aminoAcids = 7;
  t.draws({0, 2});
  sabotage(t.game, kPlayer, 0);
  EXPECT_EQ(t.org(0).aminoAcids, 0);
  EXPECT_EQ(t.org(kPlayer).aminoAcids, 1007);
  EXPECT_EQ(t.rec.lines, (Lines{"message Понижен уровень АМИНОКИСЛОТ у клебона: Зеномиус"}));

  t.org(0).aminoAcids = 900000;
  t.org(kPlayer).tentacleCount = 1;
  t.draws({0, 2});
  sabotage(t.game, kPlayer, 0);
  EXPECT_EQ(t.org(0).aminoAcids, 894500);
}

// Regression: the robbery's loss and the source's gain overflowed int32 on extreme stocks and turns.
TEST(SabotageRobbery, StaysInsideInt32) {
  constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
  SabotageGame t(2, 1);
  t.world().turn = kMax;
  t.org(2).aminoAcids = kMax - 10;
  t.org(1).aminoAcids = kMax;
  t.draws({1, 2});
  sabotage(t.game, 2, 0);
  EXPECT_EQ(t.org(2).aminoAcids, kMax);
  EXPECT_EQ(t.org(1).aminoAcids, 0);
  EXPECT_TRUE(t.rec.lines.empty());
}

TEST(SabotageAgainstPlayer, SuccessSoundsAndWarnsFailureIsSilent) {
  SabotageGame t(1, 1);
  t.org(kPlayer).spike = 1;
  t.draws({4, 11});
  sabotage(t.game, 1, 0);
  EXPECT_EQ(t.org(kPlayer).spike, 0);
  EXPECT_EQ(t.rec.lines, (Lines{"sound Sound/Sabot.wav", "message ВНИМАНИЕ! Враг провел саботаж!"}));
  t.rec.clear();
  t.draws({4, 11});
  sabotage(t.game, 1, 0);
  EXPECT_TRUE(t.rec.lines.empty());
}

}  // namespace
}  // namespace klebony
