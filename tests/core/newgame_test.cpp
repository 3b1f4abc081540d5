// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "tests/core/support.h"

namespace klebony {
namespace {

using test::queueNewGameDraws;
using test::TestGame;
using test::visibleCount;

TEST(NewGame, DrawsFramesCellByCellThenPlacesOrganismsOnFreeCells) {
  TestGame t;
  Random& r = t.game.random;
  // Cell (0,0) starts on frame 5, so its first step wraps and draws a period;
  // every other cell starts on frame 0.
  r.queue(5);
  r.queue(1999);
  for (int i = 1; i < kBoardSize * kBoardSize; ++i) r.queue(0);
  // Organism 1 first lands on organism 0's cell and draws again.
  for (int v : {3, 4, 3, 4, 0, 35, 35, 0, 35, 35, 20, 21}) r.queue(v);
  newGame(t.game);

  EXPECT_EQ(r.queued(), 0u);
  const World& w = t.world();
  EXPECT_EQ(w.cell(0, 0).frame, 0);
  EXPECT_EQ(w.cell(0, 0).period, 3299);
  EXPECT_EQ(w.cell(0, 1).frame, 1);
  EXPECT_EQ(w.cell(3, 4).owner, 0);
  EXPECT_EQ(w.cell(0, 35).owner, 1);
  EXPECT_EQ(w.cell(35, 0).owner, 2);
  EXPECT_EQ(w.cell(35, 35).owner, 3);
  EXPECT_EQ(w.cell(20, 21).owner, kPlayer);
  EXPECT_EQ(w.cell(20, 21).strip, 72);
  EXPECT_EQ(w.cell(35, 35).strip, 120);
  EXPECT_EQ(w.cell(34, 35).owner, kFree);
  EXPECT_EQ(w.cell(34, 35).strip, 0);
  EXPECT_EQ(w.cell(7, 9).px, 84);
  EXPECT_EQ(w.cell(7, 9).py, 108);
  // Only the player's own cell, though its sensor reaches further.
  EXPECT_TRUE(w.cell(20, 21).visible);
  EXPECT_EQ(visibleCount(w), 1);
  EXPECT_EQ(t.game.window.hoverX, 20);
  EXPECT_EQ(t.game.window.hoverY, 21);
}

TEST(NewGame, NeighbouringStartsAreAllowed) {
  TestGame t;
  queueNewGameDraws(t.game.random, {{10, 10}, {11, 10}, {12, 10}, {10, 11}, {11, 11}});
  newGame(t.game);
  EXPECT_EQ(t.world().cell(11, 10).owner, 1);
  EXPECT_EQ(t.world().cell(11, 11).owner, kPlayer);
}

TEST(NewGame, StartsEveryOrganismAfreshAndResetsTheWindow) {
  TestGame t;
  Organism& old = t.org(2);
  old.aminoAcids = 5000;
  old.tentacleCount = 3;
  old.tentacles[0] = {true, 12};
  old.name.assign(3, 'x');
  t.world().turn = 77;
  t.game.window.mutationMode = true;
  t.game.window.turnButtonEnabled = false;
  t.game.window.mutationButtonCaption = "Отмена";
  t.game.window.helpVisible = true;
  t.game.window.playerName = "";
  t.world().cell(5, 5).tick = 100;
  t.world().cell(5, 5).period = 5000;
  queueNewGameDraws(t.game.random, {{0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 0}});
  newGame(t.game);

  const char* names[] = {"Зеномиус", "Акиус", "Уренус", "Свиус", ""};
  for (int k = 0; k < kOrganismCount; ++k) {
    const Organism& o = t.org(k);
    EXPECT_EQ(o.name, names[k]);
    EXPECT_TRUE(o.alive);
    EXPECT_EQ(o.aminoAcids, 0);
    EXPECT_EQ(o.tentacleCount, 0);
    EXPECT_EQ(o.size, 1);
    for (const Tentacle& s : o.tentacles) EXPECT_EQ(s, Tentacle{});
  }
  EXPECT_EQ(t.world().turn, 0);
  const WindowState& w = t.game.window;
  EXPECT_FALSE(w.mutationMode);
  EXPECT_TRUE(w.turnButtonEnabled);
  EXPECT_EQ(w.turnButtonCaption, "Ход 1");
  EXPECT_EQ(w.mutationButtonCaption, "Мутация +");
  EXPECT_FALSE(w.helpVisible);
  EXPECT_EQ(w.panel.organism, kPlayer);
  // tick and period carry over from the last game.
  EXPECT_EQ(t.world().cell(5, 5).tick, 152);
  EXPECT_EQ(t.world().cell(5, 5).period, 5000);
  EXPECT_TRUE(t.rec.lines.empty());  // a set-up makes no sound
}

TEST(GameWindow, ActivationSetsUpOnlyOnceUntilTheWindowCloses) {
  TestGame t;
  t.world().gameReady = false;
  t.game.window.playerName = "Вася";
  queueNewGameDraws(t.game.random, {{0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 0}});
  enterGame(t.game);
  EXPECT_TRUE(t.world().gameReady);
  EXPECT_EQ(t.org(kPlayer).name, "Вася");

  t.org(kPlayer).aminoAcids = 33;
  t.world().turn = 3;
  const World before = t.world();
  enterGame(t.game);  // back from a message box: nothing changes
  EXPECT_EQ(t.world().turn, 3);
  EXPECT_EQ(t.world().organisms, before.organisms);

  leaveGame(t.game);
  EXPECT_FALSE(t.world().gameReady);
  t.game.window.playerName = "Петя";
  queueNewGameDraws(t.game.random, {{9, 9}, {8, 8}, {7, 7}, {6, 6}, {5, 5}});
  enterGame(t.game);
  EXPECT_EQ(t.world().turn, 0);
  EXPECT_EQ(t.org(kPlayer).name, "Петя");
  EXPECT_EQ(t.org(kPlayer).aminoAcids, 0);
  EXPECT_EQ(t.world().cell(5, 5).owner, kPlayer);
  EXPECT_EQ(t.world().cell(4, 0).owner, kFree);
}

}  // namespace
}  // namespace klebony
