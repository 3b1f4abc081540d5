// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "tests/core/support.h"

namespace klebony {
namespace {

using test::TestGame;

// Records the timer traffic that the Qt window binds real timers to.
class TimerLog : public test::Recorder {
 public:
  std::vector<std::string> timers;
  void statusTimer(StatusLine t, bool running) override {
    timers.push_back(std::string(t == StatusLine::Upper ? "upper" : "lower") +
                     (running ? " start" : " stop"));
  }
  void statusCleared(StatusLine t) override {
    timers.push_back(t == StatusLine::Upper ? "upper cleared" : "lower cleared");
  }
  void controlsChanged() override { ++controls; }
  int controls = 0;
};

struct StatusGame {
  Game game;
  TimerLog log;
  StatusGame() { game.outcomes = &log; }
};

TEST(Status, ANewTextPushesTheOldOneDownAndRestartsBothTimers) {
  StatusGame s;
  showStatus(s.game, "первый");
  showStatus(s.game, "второй");
  EXPECT_EQ(s.game.window.upperStatus, "второй");
  EXPECT_EQ(s.game.window.lowerStatus, "первый");
  EXPECT_TRUE(s.game.window.upperTimerRunning);
  EXPECT_TRUE(s.game.window.lowerTimerRunning);
  EXPECT_EQ(s.log.lines, (std::vector<std::string>{"status первый", "status второй"}));
  EXPECT_EQ(s.log.timers.size(), 8u);
  EXPECT_EQ(s.log.timers[6], "lower start");
}

TEST(Status, TheSameTextAgainKeepsItsClearingTime) {
  StatusGame s;
  showStatus(s.game, "тот же");
  s.log.timers.clear();
  showStatus(s.game, "тот же");
  EXPECT_TRUE(s.log.timers.empty());
  EXPECT_EQ(s.log.lines.size(), 1u);
  EXPECT_EQ(s.game.window.lowerStatus, "");
}

TEST(Status, EachTimerClearsItsOwnLineOnceAndOnlyWhileRunning) {
  StatusGame s;
  showStatus(s.game, "a");
  showStatus(s.game, "b");
  lowerStatusExpired(s.game);
  EXPECT_EQ(s.game.window.lowerStatus, "");
  EXPECT_EQ(s.game.window.upperStatus, "b");
  EXPECT_FALSE(s.game.window.lowerTimerRunning);
  upperStatusExpired(s.game);
  EXPECT_EQ(s.game.window.upperStatus, "");
  EXPECT_FALSE(s.game.window.upperTimerRunning);
  s.log.timers.clear();
  upperStatusExpired(s.game);
  lowerStatusExpired(s.game);
  EXPECT_TRUE(s.log.timers.empty());
  // After the upper line was cleared, the same text shows again.
  showStatus(s.game, "b");
  EXPECT_EQ(s.game.window.upperStatus, "b");
}

TEST(HelpPanel, F1TogglesAndCloseHides) {
  StatusGame s;
  toggleHelp(s.game);
  EXPECT_TRUE(s.game.window.helpVisible);
  toggleHelp(s.game);
  EXPECT_FALSE(s.game.window.helpVisible);
  toggleHelp(s.game);
  closeHelp(s.game);
  EXPECT_FALSE(s.game.window.helpVisible);
  closeHelp(s.game);
  EXPECT_FALSE(s.game.window.helpVisible);
  EXPECT_EQ(s.log.controls, 5);
}

TEST(Menu, N2ClickEndsTheGameAndLeavesTheWorld) {
  TestGame t;
  t.world().turn = 9;
  returnToMenu(t.game);
  EXPECT_EQ(t.rec.lines, std::vector<std::string>{"endgame"});
  EXPECT_EQ(t.world().turn, 9);
  EXPECT_TRUE(t.world().gameReady);
}

TEST(AfterLoad, TheWindowFollowsTheLoadedGameButKeepsHoverAndStatus) {
  StatusGame s;
  WindowState& w = s.game.window;
  s.game.world.turn = 41;
  s.game.world.gameReady = true;
  w.mutationMode = true;
  w.turnButtonEnabled = false;
  w.mutationButtonCaption = "Отмена";
  w.helpVisible = true;
  w.hoverX = 7;
  w.upperStatus = "старое";
  w.panel.organism = 2;
  gameLoaded(s.game);
  EXPECT_FALSE(w.mutationMode);
  EXPECT_TRUE(w.turnButtonEnabled);
  EXPECT_EQ(w.mutationButtonCaption, "Мутация +");
  EXPECT_EQ(w.turnButtonCaption, "Ход 42");
  EXPECT_FALSE(w.helpVisible);
  EXPECT_EQ(w.panel.organism, kPlayer);
  EXPECT_EQ(w.hoverX, 7);
  EXPECT_EQ(w.upperStatus, "старое");
  EXPECT_TRUE(s.game.world.gameReady);
  EXPECT_TRUE(s.log.lines.empty());
}

}  // namespace
}  // namespace klebony
