// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "tests/core/support.h"

namespace klebony {
namespace {

using test::setBoard;
using test::TestGame;
using Lines = std::vector<std::string>;

const char* const kNo = "sound Sound/No.wav";
const char* const kVictory = "message УРА-А-А! Я самый крутой клебон! Всэх зарэзаль! :-)";

TEST(CellClick, FreeNeighbourIsTakenOnlyWithinTheAggressionAndOncePerTurn) {
  TestGame t;
  setBoard(t.world(), {"0123", "", "", "...4.."});
  reachForCell(t.game, 4, 3);
  EXPECT_EQ(t.rec.lines, Lines{kNo});
  EXPECT_EQ(t.world().cell(4, 3).owner, kFree);

  t.rec.clear();
  t.org(kPlayer).aggression = 3;
  reachForCell(t.game, 4, 3);
  EXPECT_EQ(t.rec.lines, Lines{"sound Sound/Zahvat.wav"});
  EXPECT_EQ(t.world().cell(4, 3).owner, kPlayer);
  EXPECT_EQ(t.world().cell(4, 3).strip, 72);
  EXPECT_EQ(t.org(kPlayer).size, 2);
  EXPECT_TRUE(t.org(kPlayer).captured);
  EXPECT_TRUE(t.world().cell(5, 4).visible);  // sight widened at once

  t.rec.clear();
  reachForCell(t.game, 2, 3);
  EXPECT_EQ(t.rec.lines, Lines{kNo});
  EXPECT_EQ(t.world().cell(2, 3).owner, kFree);
}

TEST(CellClick, RefusalsThatNeedNoNeighbourTest) {
  TestGame t;
  setBoard(t.world(), {"0123", "", "", "...4.."});
  t.org(kPlayer).aggression = 5;
  t.game.window.mutationMode = true;
  reachForCell(t.game, 4, 3);
  EXPECT_EQ(t.rec.lines, Lines{kNo});

  t.rec.clear();
  t.game.window.mutationMode = false;
  reachForCell(t.game, 3, 3);  // own cell: silent
  reachForCell(t.game, 3, 5);  // hidden neighbour of nothing: silent
  reachForCell(t.game, 0, 0);  // hidden enemy: silent
  EXPECT_TRUE(t.rec.lines.empty());
  reachForCell(t.game, 4, 4);  // visible, but only a diagonal neighbour
  EXPECT_EQ(t.rec.lines, Lines{kNo});
  EXPECT_EQ(t.org(kPlayer).size, 1);
}

TEST(CellClick, AHiddenFreeNeighbourIsIgnoredSilently) {
  TestGame t;
  t.org(kPlayer).sensors = 0;
  setBoard(t.world(), {"0123", "", "", "...4.."});
  t.org(kPlayer).aggression = 5;
  reachForCell(t.game, 4, 3);
  EXPECT_TRUE(t.rec.lines.empty());
  EXPECT_EQ(t.world().cell(4, 3).owner, kFree);
}

TEST(CellClick, TheBoardDoesNotWrapAtItsEdges) {
  TestGame t;
  t.org(kPlayer).sensors = 40;
  setBoard(t.world(), {"0123", "...................................4"});
  t.org(kPlayer).aggression = 5;
  reachForCell(t.game, 0, 1);
  EXPECT_EQ(t.rec.lines, Lines{kNo});
  EXPECT_EQ(t.world().cell(0, 1).owner, kFree);
}

TEST(CellClick, AVisibleEnemyAwayFromTheBodyIsNotAttacked) {
  TestGame t;
  t.org(kPlayer).sensors = 2;
  setBoard(t.world(), {"", "", "", "..4.0", "123"});
  reachForCell(t.game, 4, 3);
  EXPECT_EQ(t.rec.lines, Lines{kNo});
  EXPECT_EQ(t.org(kPlayer).battlesWon, 0);
  EXPECT_EQ(t.org(0).battlesWon, 0);
}

TEST(CellClick, WinningTheLastEnemyCellEndsTheGameInTheSameClick) {
  TestGame t;
  setBoard(t.world(), {"", "", "", "..40"});
  t.draws({0, 0});  // no defence gained, no growth
  reachForCell(t.game, 3, 3);
  EXPECT_EQ(t.rec.lines, (Lines{"status Тарвилис напал на  Зеномиус и ПОБЕДИЛ!", "sound Sound/Attak.wav",
                                kVictory, "endgame"}));
  EXPECT_EQ(t.world().cell(3, 3).owner, kPlayer);
  EXPECT_EQ(t.org(kPlayer).size, 2);
  EXPECT_TRUE(t.org(kPlayer).captured);
  EXPECT_FALSE(t.org(0).alive);
}

TEST(CellClick, ALostBattleSoundsNoAfterTheBattleAndAllowsAnotherTry) {
  TestGame t;
  setBoard(t.world(), {"", "1", "", "..40"});
  t.org(0).spike = 5;
  reachForCell(t.game, 3, 3);
  EXPECT_EQ(t.rec.lines, (Lines{"sound Sound/Smeh_2.wav", "message Битва проиграна! :-(", kNo}));
  EXPECT_EQ(t.world().cell(3, 3).owner, 0);
  EXPECT_FALSE(t.org(kPlayer).captured);
  t.rec.clear();
  reachForCell(t.game, 3, 3);
  EXPECT_EQ(t.rec.lines.front(), "sound Sound/Smeh_2.wav");
}

TEST(CellClick, AClickFindingEveryEnemyGoneAnnouncesVictory) {
  TestGame t;
  setBoard(t.world(), {"4"});
  reachForCell(t.game, 0, 0);  // own cell: nothing, then the victory test
  EXPECT_EQ(t.rec.lines, (Lines{kVictory, "endgame"}));
  t.rec.clear();
  t.org(kPlayer).captured = true;
  reachForCell(t.game, 1, 0);  // refused at once: no victory test
  EXPECT_EQ(t.rec.lines, Lines{kNo});
}

TEST(CellHover, TextsAndPanelNeverRevealAHiddenOwner) {
  TestGame t;
  setBoard(t.world(), {"", "", "", "..40....1"});
  inspectCell(t.game, 2, 2);
  EXPECT_EQ(t.rec.lines, Lines{"status Эта клетка еще не моя... надо ее заразить! :-)"});
  EXPECT_EQ(t.game.window.panel.organism, kPlayer);
  inspectCell(t.game, 3, 3);
  EXPECT_EQ(t.game.window.panel.organism, 0);
  EXPECT_EQ(t.rec.lines.back(), "status Внимание!!! ВРАГ! ВРАГ! УНИЧТОЖИТЬ ВРАГА!!!");
  inspectCell(t.game, 8, 3);
  EXPECT_EQ(t.game.window.panel.organism, kPlayer);
  EXPECT_EQ(t.rec.lines.back(), "status Мои сенсоры не позволяют сканировать этот сектор!");
  EXPECT_EQ(t.game.window.hoverX, 8);
  EXPECT_EQ(t.game.window.hoverY, 3);
  inspectCell(t.game, 2, 3);
  EXPECT_EQ(t.rec.lines.back(), "status Это всё мои-и-и клетки, клё-ё-ёво!!!");
}

TEST(CellHover, AHiddenOwnCellGetsBothTexts) {
  TestGame t;
  setBoard(t.world(), {"4"});
  t.world().cell(0, 0).visible = false;
  inspectCell(t.game, 0, 0);
  EXPECT_EQ(t.rec.lines, (Lines{"status Это всё мои-и-и клетки, клё-ё-ёво!!!",
                                "status Мои сенсоры не позволяют сканировать этот сектор!"}));
}

TEST(CellHover, MutationModeFreezesTheHover) {
  TestGame t;
  setBoard(t.world(), {"", "", "", "..40"});
  t.game.window.mutationMode = true;
  t.game.window.hoverX = 7;
  inspectCell(t.game, 3, 3);
  EXPECT_TRUE(t.rec.lines.empty());
  EXPECT_EQ(t.game.window.hoverX, 7);
  EXPECT_EQ(t.game.window.panel.organism, kPlayer);
}

TEST(CellHover, CellsOffTheBoardAreIgnored) {
  TestGame t;
  setBoard(t.world(), {"4"});
  inspectCell(t.game, 35, 1);
  for (auto [x, y] : {std::pair{36, 0}, {-1, 5}, {5, 36}}) inspectCell(t.game, x, y);
  EXPECT_EQ(t.game.window.hoverX, 35);
  EXPECT_EQ(t.game.window.hoverY, 1);
  t.rec.clear();
  reachForCell(t.game, -1, 0);
  reachForCell(t.game, 0, 36);
  EXPECT_TRUE(t.rec.lines.empty());
}

}  // namespace
}  // namespace klebony
