#include <gtest/gtest.h>

#include "support.h"

namespace klebony {
namespace {

using test::TestGame;

// Records the timer traffic that the Qt window binds real timers to.
class TimerLog : public test::Recorder {
 public:
  std::vector<std::string> timers;
  void statusTimer(StatusTimer t, bool running) override {
    timers.push_back(std::string(t == StatusTimer::T1 ? "T1" : "T2") + (running ? " start" : " stop"));
  }
  void statusCleared(StatusTimer t) override {
    timers.push_back(t == StatusTimer::T1 ? "T1 cleared" : "T2 cleared");
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
  EXPECT_EQ(s.game.window.h1, "второй");
  EXPECT_EQ(s.game.window.h2, "первый");
  EXPECT_TRUE(s.game.window.t1);
  EXPECT_TRUE(s.game.window.t2);
  EXPECT_EQ(s.log.lines, (std::vector<std::string>{"status первый", "status второй"}));
  EXPECT_EQ(s.log.timers.size(), 8u);
  EXPECT_EQ(s.log.timers[6], "T2 start");
}

TEST(Status, TheSameTextAgainKeepsItsClearingTime) {
  StatusGame s;
  showStatus(s.game, "тот же");
  s.log.timers.clear();
  showStatus(s.game, "тот же");
  EXPECT_TRUE(s.log.timers.empty());
  EXPECT_EQ(s.log.lines.size(), 1u);
  EXPECT_EQ(s.game.window.h2, "");
}

TEST(Status, EachTimerClearsItsOwnLineOnceAndOnlyWhileRunning) {
  StatusGame s;
  showStatus(s.game, "a");
  showStatus(s.game, "b");
  T2Timer(s.game);
  EXPECT_EQ(s.game.window.h2, "");
  EXPECT_EQ(s.game.window.h1, "b");
  EXPECT_FALSE(s.game.window.t2);
  T1Timer(s.game);
  EXPECT_EQ(s.game.window.h1, "");
  EXPECT_FALSE(s.game.window.t1);
  s.log.timers.clear();
  T1Timer(s.game);
  T2Timer(s.game);
  EXPECT_TRUE(s.log.timers.empty());
  // After the upper line was cleared, the same text shows again.
  showStatus(s.game, "b");
  EXPECT_EQ(s.game.window.h1, "b");
}

TEST(HelpPanel, F1TogglesAndCloseHides) {
  StatusGame s;
  N10Click(s.game);
  EXPECT_TRUE(s.game.window.helpVisible);
  N10Click(s.game);
  EXPECT_FALSE(s.game.window.helpVisible);
  N10Click(s.game);
  BEndHelpClick(s.game);
  EXPECT_FALSE(s.game.window.helpVisible);
  BEndHelpClick(s.game);
  EXPECT_FALSE(s.game.window.helpVisible);
  EXPECT_EQ(s.log.controls, 5);
}

TEST(Menu, N2ClickEndsTheGameAndLeavesTheWorld) {
  TestGame t;
  t.world().turn = 9;
  N2Click(t.game);
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
  w.hodEnabled = false;
  w.bmutCaption = "Отмена";
  w.helpVisible = true;
  w.hoverX = 7;
  w.h1 = "старое";
  w.panel.organism = 2;
  afterGameLoaded(s.game);
  EXPECT_FALSE(w.mutationMode);
  EXPECT_TRUE(w.hodEnabled);
  EXPECT_EQ(w.bmutCaption, "Мутация +");
  EXPECT_EQ(w.hodCaption, "Ход 42");
  EXPECT_FALSE(w.helpVisible);
  EXPECT_EQ(w.panel.organism, kPlayer);
  EXPECT_EQ(w.hoverX, 7);
  EXPECT_EQ(w.h1, "старое");
  EXPECT_TRUE(s.game.world.gameReady);
  EXPECT_TRUE(s.log.lines.empty());
}

}  // namespace
}  // namespace klebony
