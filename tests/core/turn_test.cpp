// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <limits>

#include "tests/core/support.h"

namespace klebony {
namespace {

using test::queueNewGameDraws;
using test::setBoard;
using test::TestGame;
using Lines = std::vector<std::string>;

constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
constexpr int32_t kMin = std::numeric_limits<int32_t>::min();

std::vector<std::string> visibleRows(const World& w, int rows, int cols) {
  std::vector<std::string> out;
  for (int y = 0; y < rows; ++y) {
    std::string line;
    for (int x = 0; x < cols; ++x) line += w.cell(x, y).visible ? '#' : '.';
    out.push_back(line);
  }
  return out;
}

TEST(EndTurn, FirstTurnOfANewGamePaysOneAminoAcidAndWakesTheSensors) {
  TestGame t;
  queueNewGameDraws(t.game.random, {{10, 10}, {20, 20}, {30, 5}, {5, 30}, {0, 1}});
  newGame(t.game);
  t.rec.clear();
  endTurn(t.game);
  EXPECT_EQ(t.rec.lines, Lines{"sound Sound/ClickHod.wav"});
  EXPECT_EQ(t.world().turn, 1);
  for (int k = 0; k < kOrganismCount; ++k) EXPECT_EQ(t.org(k).aminoAcids, 1) << k;
  EXPECT_EQ(t.game.window.turnButtonCaption, "Ход 2");
  EXPECT_EQ(visibleRows(t.world(), 4, 3), (std::vector<std::string>{"##.", "##.", "##.", "..."}));
}

TEST(EndTurn, DoesNothingWhileTheTurnButtonIsDisabled) {
  TestGame t;
  setBoard(t.world(), {"04"});
  t.game.window.turnButtonEnabled = false;
  endTurn(t.game);
  EXPECT_TRUE(t.rec.lines.empty());
  EXPECT_EQ(t.world().turn, 0);
  EXPECT_EQ(t.org(kPlayer).aminoAcids, 0);
}

TEST(EndTurn, IncomeIsCappedAndTheCensusComesFromTheBoard) {
  TestGame t;
  setBoard(t.world(), {"0123444"});
  t.org(kPlayer).aminoAcids = 899999;
  t.org(kPlayer).aggression = 100;  // no aggression growth to pay for
  t.org(1).size = 0;                // destroyed earlier in the turn, but the board still says otherwise
  t.org(1).alive = false;
  t.org(2).aminoAcids = 3;
  t.world().cell(2, 0).owner = kFree;  // organism 2 lost its cell; its size says 1
  t.org(2).alive = true;
  endTurn(t.game);
  EXPECT_EQ(t.org(kPlayer).aminoAcids, kAminoAcidCap);
  EXPECT_EQ(t.org(1).aminoAcids, 0);
  EXPECT_TRUE(t.org(1).alive);
  EXPECT_EQ(t.org(2).aminoAcids, 4);
  EXPECT_FALSE(t.org(2).alive);
}

// The stock after the income is at most 900000, exactly: one below, at and
// one above the cap.
TEST(EndTurn, IncomeStopsAtNineHundredThousand) {
  for (auto [before, after] : {std::pair{899998, 899999}, {899999, 900000}, {900000, 900000}}) {
    TestGame t;
    setBoard(t.world(), {"01234"});
    t.org(kPlayer).aminoAcids = before;
    t.org(kPlayer).aggression = 100;  // no aggression growth to pay for
    endTurn(t.game);
    EXPECT_EQ(t.org(kPlayer).aminoAcids, after) << before;
  }
}

TEST(EndTurn, PlayerAggressionGrowsAfterIncomeOnlyWhenTheAllowanceIsFull) {
  TestGame t;
  setBoard(t.world(), {"0..444"});
  t.org(kPlayer).aggression = 3;
  t.org(kPlayer).aminoAcids = 2;  // the income of 3 pays for the growth
  endTurn(t.game);
  EXPECT_EQ(t.org(kPlayer).aggression, 4);
  EXPECT_EQ(t.org(kPlayer).aminoAcids, 0);

  setBoard(t.world(), {"0..44"});
  t.org(kPlayer).aggression = 3;
  t.org(kPlayer).aminoAcids = 100;
  endTurn(t.game);
  EXPECT_EQ(t.org(kPlayer).aggression, 3);
  EXPECT_EQ(t.org(kPlayer).aminoAcids, 102);
}

TEST(AggressionGrowth, NeedsFiveAminoAcidsAndStopsAt1301) {
  TestGame t;
  Organism& o = t.org(0);
  o.aminoAcids = 4;
  aggressionGrowth(t.game, 0);
  EXPECT_EQ(o.aggression, 1);
  o.aminoAcids = 5;
  aggressionGrowth(t.game, 0);
  EXPECT_EQ(o.aggression, 2);
  EXPECT_EQ(o.aminoAcids, 0);
  o.aminoAcids = 100;
  o.size = 1301;
  o.aggression = 1301;
  aggressionGrowth(t.game, 0);
  EXPECT_EQ(o.aggression, 1301);
  EXPECT_EQ(o.aminoAcids, 100);
}

TEST(EndTurn, PerTurnFlagsAreCleared) {
  TestGame t;
  setBoard(t.world(), {"04"});
  t.org(kPlayer).captured = true;
  t.org(kPlayer).mutated = true;
  endTurn(t.game);
  EXPECT_FALSE(t.org(kPlayer).captured);
  EXPECT_FALSE(t.org(kPlayer).mutated);
}

TEST(TentacleStep, ArrivesPastTheThresholdOfItsOwnersLevel) {
  TestGame t;
  setBoard(t.world(), {"04"});
  Organism& p = t.org(kPlayer);
  p.tentacleCount = 1;
  p.tentacles[2] = {true, 36};
  tentacleStep(t.game, kPlayer);
  EXPECT_EQ(p.tentacles[2].travel, 37);  // 37 is not past (10 - 0) * 3 + 7
  EXPECT_TRUE(t.rec.lines.empty());
  t.draws({0, 0});  // target organism 0, draw 0: nothing happens
  tentacleStep(t.game, kPlayer);
  EXPECT_EQ(t.game.random.queued(), 0u);
  EXPECT_TRUE(p.tentacles[2].active);  // the last tentacle starts again
  EXPECT_EQ(p.tentacles[2].travel, 0);
  EXPECT_EQ(t.rec.lines, Lines{"message Саботаж не удался! :-("});

  p.tentacleLevel = 10;
  p.tentacles[2].travel = 7;
  t.draws({0, 0});
  tentacleStep(t.game, kPlayer);  // 8 is past (10 - 10) * 3 + 7
  EXPECT_EQ(p.tentacles[2].travel, 0);
}

TEST(EndTurn, VictoryShowsTheBoxEndsTheGameAndStillFinishesTheTurn) {
  TestGame t;
  setBoard(t.world(), {"44"});
  endTurn(t.game);
  EXPECT_EQ(t.rec.lines, (Lines{"sound Sound/ClickHod.wav",
                                "message УРА-А-А! Я самый крутой клебон! Всэх зарэзаль! :-)", "endgame"}));
  EXPECT_EQ(t.game.window.turnButtonCaption, "Ход 2");
  EXPECT_EQ(t.org(kPlayer).aminoAcids, 2);
}

// Regression: a loaded file may hold any int32; nothing in a turn may overflow.
TEST(EndTurn, ExtremeRecordsSaturateInsteadOfOverflowing) {
  TestGame t;
  setBoard(t.world(), {"01234"});
  t.world().turn = kMax;
  for (int k = 0; k < kOrganismCount; ++k) {
    Organism& o = t.org(k);
    o.aminoAcids = kMax;
    o.size = kMax;
    o.aggression = kMin;
    o.tentacleLevel = k % 2 ? kMin : kMax;
    o.sensors = kMax;
    o.tentacleCount = 2;
    o.tentacles[0] = {true, kMax};
    o.tentacles[1] = {true, kMin};
  }
  t.org(3).aminoAcids = kMin;
  t.org(3).size = kMin;
  t.seed(3);
  endTurn(t.game);
  EXPECT_EQ(t.world().turn, kMax);
  EXPECT_EQ(t.game.window.turnButtonCaption, "Ход 2147483648");
  EXPECT_LE(t.org(kPlayer).aminoAcids, kAminoAcidCap);
  EXPECT_EQ(t.org(3).aminoAcids, kMin);  // saturated low; the cap only limits from above
}

}  // namespace
}  // namespace klebony
