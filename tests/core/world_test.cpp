// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <limits>
#include <set>

#include "tests/core/support.h"

namespace klebony {
namespace {

using test::setBoard;
using test::TestGame;
using test::visibleCount;

std::vector<std::string> visibleRows(const World& w, int rows) {
  std::vector<std::string> out;
  for (int y = 0; y < rows; ++y) {
    std::string line;
    for (int x = 0; x < 8; ++x) line += w.cell(x, y).visible ? '#' : '.';
    out.push_back(line);
  }
  return out;
}

TEST(Random, ZeroAndOneAlwaysGiveZero) {
  Random r;
  r.seed(42);
  for (int i = 0; i < 100; ++i) {
    EXPECT_EQ(r(0), 0);
    EXPECT_EQ(r(1), 0);
    EXPECT_EQ(r(-5), 0);
  }
}

TEST(Random, DrawsStayInRangeAndRepeatForASeed) {
  Random a, b;
  a.seed(7);
  b.seed(7);
  for (int i = 0; i < 1000; ++i) {
    int32_t v = a(36);
    EXPECT_GE(v, 0);
    EXPECT_LT(v, 36);
    EXPECT_EQ(v, b(36));
  }
}

TEST(Random, QueuedValuesComeFirstAndMustFitTheDraw) {
  Random r;
  r.queue(5);
  r.queue(0);
  r.queue(6);
  EXPECT_EQ(r.queued(), 3);
  EXPECT_EQ(r(6), 5);
  EXPECT_EQ(r(0), 0);  // 0 is the only value that fits random(0)
  EXPECT_THROW(r(6), ScriptedDrawError);
  EXPECT_EQ(r.queued(), 0);
  r.queue(1);
  EXPECT_THROW(r(0), ScriptedDrawError);
  r.queue(-1);
  EXPECT_THROW(r(10), ScriptedDrawError);
}

TEST(Random, RunsOfQueuedValuesComeOutOneByOneInOrder) {
  Random r;
  r.queue(2, 3);
  r.queue(2);
  r.queue(7, 0);  // nothing
  r.queue(1, 2);
  EXPECT_EQ(r.queued(), 6);
  for (int expected : {2, 2, 2, 2, 1, 1}) EXPECT_EQ(r(10), expected);
  EXPECT_EQ(r.queued(), 0);
}

TEST(Random, AScriptThatMustCoverEveryDrawFailsWhenItRunsDry) {
  Random r;
  r.requireScript();
  r.queue(3);
  EXPECT_EQ(r(5), 3);
  EXPECT_EQ(r(0), 0);  // random(0) needs no draw
  EXPECT_THROW(r(5), ScriptedDrawError);
  r.requireScript(false);
  EXPECT_LT(r(5), 5);
}

// Each owner has a strip of its own among the sheet's six (a row of pictures
// over a row of masks); a code no game makes shows a free cell.
TEST(World, EveryOwnerHasItsOwnStripAndACellShowsItsOwnersStrip) {
  std::set<int32_t> rows;
  for (int owner = 0; owner <= kFree; ++owner) {
    const int32_t row = stripRow(owner);
    EXPECT_EQ(row % (2 * kCellPixels), 0) << owner;
    EXPECT_TRUE(row >= 0 && row < (kFree + 1) * 2 * kCellPixels) << owner;
    rows.insert(row);
  }
  EXPECT_EQ(rows.size(), 6u);
  for (int strange : {-7, kFree + 1, 99}) EXPECT_EQ(stripRow(strange), stripRow(kFree)) << strange;
  World w;
  for (int before = 0; before <= kFree; ++before) {
    assignStrip(w, 3, 4, before);
    assignStrip(w, 3, 4, kPlayer);
    EXPECT_EQ(w.cell(3, 4).strip, stripRow(kPlayer)) << before;
  }
}

TEST(World, NeighboursAreFourAndTheBoardDoesNotWrap) {
  TestGame t;
  setBoard(t.world(), {"4..", "...", "..."});
  EXPECT_TRUE(touchesOwner(t.world(), 1, 0, kPlayer));
  EXPECT_TRUE(touchesOwner(t.world(), 0, 1, kPlayer));
  EXPECT_FALSE(touchesOwner(t.world(), 1, 1, kPlayer));  // diagonal
  EXPECT_FALSE(touchesOwner(t.world(), 35, 0, kPlayer));
  EXPECT_FALSE(touchesOwner(t.world(), 0, 35, kPlayer));
}

TEST(World, ResetOrganismKeepsNameAndTentacles) {
  World w;
  Organism& o = w.organisms[2];
  o.name = "Уренус";
  o.tentacles[3] = {true, 9};
  o.aminoAcids = 77;
  o.acidDefence = 4;
  o.captured = true;
  resetOrganism(w, 2);
  EXPECT_EQ(o.name, "Уренус");
  EXPECT_TRUE(o.tentacles[3].active);
  EXPECT_EQ(o.tentacles[3].travel, 9);
  EXPECT_TRUE(o.alive);
  EXPECT_EQ(o.aminoAcids, 0);
  EXPECT_EQ(o.hp, 10);
  EXPECT_EQ(o.vitality, 1);
  EXPECT_EQ(o.mobility, 1);
  EXPECT_EQ(o.size, 1);
  EXPECT_EQ(o.aggression, 1);
  EXPECT_EQ(o.sensors, 1);
  EXPECT_EQ(o.acidDefence, 0);
  EXPECT_FALSE(o.captured);
}

TEST(CellAnimation, FramesAdvancePastThePeriodAndAWrapDrawsANewOne) {
  Random r;
  Cell c;
  c.frame = 4;
  stepCellAnimation(c, r);  // period 0: every step changes frame
  EXPECT_EQ(c.frame, 5);
  r.queue(1999);
  stepCellAnimation(c, r);
  EXPECT_EQ(c.frame, 0);
  EXPECT_EQ(c.period, 3299);
  EXPECT_EQ(r.queued(), 0);
  for (int i = 0; i < 63; ++i) stepCellAnimation(c, r);  // 63 * 52 = 3276 <= 3299
  EXPECT_EQ(c.frame, 0);
  stepCellAnimation(c, r);
  EXPECT_EQ(c.frame, 1);
  EXPECT_EQ(c.tick, 0);
}

TEST(Visibility, SensorSquareIsClippedAtTheCorner) {
  TestGame t;
  setBoard(t.world(), {"4"});
  EXPECT_EQ(visibleCount(t.world()), 4);
  EXPECT_EQ(visibleRows(t.world(), 3), (std::vector<std::string>{"##......", "##......", "........"}));
}

TEST(Visibility, SquaresOfSeveralCellsAreJoined) {
  TestGame t;
  t.org(kPlayer).sensors = 1;
  setBoard(t.world(), {"", "", ".4..4", ""});
  EXPECT_EQ(visibleRows(t.world(), 5),
            (std::vector<std::string>{"........", "######..", "######..", "######..", "........"}));
}

TEST(Visibility, SensorZeroShowsOnlyOwnCellsAndLargeSensorsTheWholeBoard) {
  TestGame t;
  t.org(kPlayer).sensors = 0;
  setBoard(t.world(), {"", "..44"});
  EXPECT_EQ(visibleCount(t.world()), 2);
  for (int32_t s : {35, 36, 1000, std::numeric_limits<int32_t>::max()}) {
    t.org(kPlayer).sensors = s;
    recomputeVisibility(t.world());
    EXPECT_EQ(visibleCount(t.world()), kBoardSize * kBoardSize) << s;
  }
  t.org(kPlayer).sensors = std::numeric_limits<int32_t>::min();
  recomputeVisibility(t.world());
  EXPECT_EQ(visibleCount(t.world()), 0);
}

TEST(Visibility, APlayerWithoutCellsKeepsWhatItLastSaw) {
  TestGame t;
  setBoard(t.world(), {"", ".4"});
  setBoard(t.world(), {"", ".0"});  // taken; the player is marked dead
  EXPECT_EQ(visibleCount(t.world()), 9);
}

TEST(Saturation, StaysWithinInt32) {
  constexpr int32_t max = std::numeric_limits<int32_t>::max();
  constexpr int32_t min = std::numeric_limits<int32_t>::min();
  EXPECT_EQ(addSaturated(max, 1), max);
  EXPECT_EQ(addSaturated(min, -1), min);
  EXPECT_EQ(addSaturated(max, std::numeric_limits<int64_t>::min()), min);
  EXPECT_EQ(addSaturated(min, std::numeric_limits<int64_t>::max()), max);
  EXPECT_EQ(addSaturated(5, -7), -2);
  EXPECT_EQ(saturate32(int64_t{1} << 40), max);
}

}  // namespace
}  // namespace klebony
