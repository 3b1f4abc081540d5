// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "tests/core/support.h"

namespace klebony {
namespace {

using test::TestGame;
using Lines = std::vector<std::string>;

// Organism 0 alone on (0, 0) with room to grow; the others far away.
struct OpponentGame : TestGame {
  OpponentGame() {
    test::setBoard(world(), {"0", "", "", "", "", "", "", "", "", "", "...............1.2.3.4"});
    org(0).aggression = 21;
  }
  int queued() const { return static_cast<int>(game.random.queued()); }
};

TEST(OpponentMutation, AggressionTwentyNeverDrawsTwentyOneDrawsOnce) {
  OpponentGame t;
  t.org(0).aggression = 20;
  t.org(0).aminoAcids = 1000;
  t.draws({1, 0});  // straight to the capture of (1, 0)
  opponentTurn(t.game, 0);
  EXPECT_EQ(t.world().cell(1, 0).owner, 0);
  EXPECT_EQ(t.org(0).aminoAcids, 1000);

  OpponentGame u;
  u.org(0).aminoAcids = 1000;
  u.draws({37, 1, 0});
  opponentTurn(u.game, 0);
  EXPECT_EQ(u.org(0).spike, 1);
  EXPECT_EQ(u.org(0).aminoAcids, 970);
  EXPECT_EQ(u.world().cell(1, 0).owner, 0);
  EXPECT_EQ(u.queued(), 0);
}

// Regression: the test for another draw read urschup before the 13 had raised it.
TEST(OpponentMutation, ThirteenThatPerfectsTheTentaclesIsFollowedByAnotherDraw) {
  OpponentGame t;
  t.org(0).tentacleLevel = 9;
  t.org(0).aminoAcids = 6000;
  t.draws({13, 5, 1, 0});
  opponentTurn(t.game, 0);
  EXPECT_EQ(t.org(0).tentacleLevel, 10);
  EXPECT_EQ(t.org(0).aminoAcids, 0);
  EXPECT_EQ(t.world().cell(1, 0).owner, 0);
  EXPECT_EQ(t.queued(), 0);
}

TEST(OpponentMutation, PerfectTentaclesDrawAgainAfterTwelveOrThirteen) {
  OpponentGame t;
  t.org(0).tentacleLevel = 10;
  t.org(0).aminoAcids = 100;
  t.draws({12, 13, 12, 37, 1, 0});
  opponentTurn(t.game, 0);
  EXPECT_EQ(t.org(0).spike, 1);
  EXPECT_EQ(t.org(0).aminoAcids, 70);
  EXPECT_EQ(t.world().cell(1, 0).owner, 0);
  EXPECT_EQ(t.queued(), 0);
}

TEST(OpponentMutation, TwelveBelowLevelTenIsNoRedraw) {
  OpponentGame t;
  t.org(0).tentacleLevel = 9;
  t.draws({12, 1, 0});
  opponentTurn(t.game, 0);
  EXPECT_EQ(t.world().cell(1, 0).owner, 0);
  EXPECT_EQ(t.queued(), 0);
}

TEST(OpponentMutation, CappedDrawsChangeNothingWhateverTheStock) {
  OpponentGame t;
  Organism& o = t.org(0);
  for (int i = 0; i < kTentacleSlots; ++i) o.tentacles[i] = {true, 0};
  o.tentacleCount = 20;
  o.sensors = 36;
  o.aminoAcids = 900000;
  t.draws({47, 1, 0});
  opponentTurn(t.game, 0);
  t.draws({10, 0, 1});
  opponentTurn(t.game, 0);
  EXPECT_EQ(o.tentacleCount, 20);
  EXPECT_EQ(o.sensors, 36);
  EXPECT_EQ(o.aminoAcids, 900000);

  o.sensors = 35;
  t.draws({10, 2, 0});
  opponentTurn(t.game, 0);
  EXPECT_EQ(o.sensors, 36);
  EXPECT_EQ(o.aminoAcids, 900000 - 9000);
}

TEST(OpponentCapture, DrawsUntilANeighbourOfItsBodyComesUp) {
  OpponentGame t;
  t.org(0).aggression = 5;  // no mutation draw first
  t.draws({0, 0, 5, 5, 1, 1, 0, 1});
  opponentTurn(t.game, 0);
  EXPECT_EQ(t.world().cell(0, 1).owner, 0);
  EXPECT_EQ(t.world().cell(0, 1).strip, stripRow(0));
  EXPECT_EQ(t.org(0).size, 2);
  EXPECT_EQ(t.queued(), 0);
}

TEST(OpponentCapture, OnlyWhileBelowItsAggression) {
  OpponentGame t;
  t.org(0).aggression = 1;
  t.draws({1, 0});
  opponentTurn(t.game, 0);
  EXPECT_EQ(t.world().cell(1, 0).owner, kFree);
  EXPECT_EQ(t.queued(), 2);
}

TEST(OpponentCapture, WinsBothBattlesThenTakesTheCell) {
  TestGame t;
  test::setBoard(t.world(), {"01", "", "...2.3.4"});
  t.org(0).aggression = 5;
  t.org(0).spike = 50;
  t.draws({1, 0, 0});  // target (1, 0); the beaten defender gains no defence
  opponentTurn(t.game, 0);
  EXPECT_EQ(t.world().cell(1, 0).owner, 0);
  EXPECT_EQ(t.org(0).size, 2);
  EXPECT_EQ(t.org(1).size, 0);
  EXPECT_FALSE(t.org(1).alive);
  EXPECT_EQ(t.org(0).battlesWon, 1);
  EXPECT_EQ(t.rec.lines, (Lines{"status Зеномиус напал на  Акиус и ПОБЕДИЛ!"}));
}

TEST(OpponentCapture, LostTrialBattleLeavesEverythingButHp) {
  TestGame t;
  test::setBoard(t.world(), {"01", "", "...2.3.4"});
  t.org(0).aggression = 5;
  t.org(1).spike = 50;
  t.org(1).hp = 3;
  t.draws({1, 0});
  opponentTurn(t.game, 0);
  EXPECT_EQ(t.world().cell(1, 0).owner, 1);
  EXPECT_EQ(t.org(0).size, 1);
  EXPECT_EQ(t.org(1).size, 1);
  EXPECT_EQ(t.org(1).battlesWon, 0);
  EXPECT_EQ(t.org(1).hp, 10);
  EXPECT_TRUE(t.rec.lines.empty());
}

// Regression: a loaded record alive without any cell made the target draw run for ever.
TEST(OpponentCapture, NoCellToReachForEndsThePhase) {
  TestGame t;
  test::setBoard(t.world(), {"1.2.3.4"});
  t.org(0).alive = true;
  t.org(0).size = 1;
  t.org(0).aggression = 5;
  opponentTurn(t.game, 0);
  EXPECT_EQ(t.org(0).size, 1);
}

TEST(OpponentCapture, PlayersLastCellTakenWhileTheOthersStillAct) {
  TestGame t;
  test::setBoard(t.world(), {"04", "", "", "", "1", "", "", "2", "", "", "3"});
  t.org(0).aggression = 2;
  t.org(0).spike = 50;
  t.org(1).aggression = 2;
  // 0 takes (1, 0) by two battles and no defence; 1 takes (1, 4).
  t.draws({1, 0, 0, 1, 4});
  endTurn(t.game);
  EXPECT_EQ(t.world().cell(1, 0).owner, 0);
  EXPECT_EQ(t.world().cell(1, 4).owner, 1);
  EXPECT_FALSE(t.org(kPlayer).alive);
  EXPECT_EQ(t.org(kPlayer).size, 0);
  EXPECT_EQ(t.rec.lines, (Lines{"sound Sound/ClickHod.wav", "status Зеномиус напал на  Тарвилис и ПОБЕДИЛ!",
                                "message На нас напал Зеномиус и победил! :-(", "sound Sound/Smeh_1.wav",
                                "message Ну, все, БЛИН! Замочили меня! :-(", "endgame"}));
  EXPECT_EQ(t.game.random.queued(), 0u);
}

}  // namespace
}  // namespace klebony
