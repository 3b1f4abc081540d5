// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "core/keyboard_play.h"
#include "core/mutation.h"
#include "core/panel.h"
#include "core/reading.h"
#include "tests/core/support.h"

namespace klebony {
namespace {

using test::setBoard;
using test::TestGame;

std::pair<int, int> marker(const Game& game) { return {game.window.hoverX, game.window.hoverY}; }

// Two cells of the player, an enemy beside the first and free land around.
void twoCellPosition(TestGame& t) {
  setBoard(t.world(), {"", "", "", "...40", "", "", "", "", "", "", ".........4"});
  t.game.window.hoverX = 20;  // where the mouse left the marker
  t.game.window.hoverY = 20;
}

TEST(BoardCursor, TheFirstKeyOnlyFindsTheOwnCellAndLaterKeysStepAsThePointerWould) {
  TestGame t;
  twoCellPosition(t);
  moveCursor(t.game, -1, 0);
  EXPECT_EQ(marker(t.game), (std::pair{9, 10}));  // the own cell nearest the marker
  EXPECT_TRUE(t.game.window.cursorPlaced);

  // Each step is exactly a pointer resting on the cell it reaches.
  TestGame mouse;
  twoCellPosition(mouse);
  mouse.game.window = t.game.window;
  t.rec.clear();
  moveCursor(t.game, -1, 0);
  inspectCell(mouse.game, 8, 10);
  EXPECT_EQ(marker(t.game), (std::pair{8, 10}));
  EXPECT_EQ(t.rec.lines, mouse.rec.lines);
  EXPECT_EQ(t.game.window, mouse.game.window);

  // Home goes back; the mouse moves the one marker and the keys go on from there.
  cursorHome(t.game);
  EXPECT_EQ(marker(t.game), (std::pair{9, 10}));
  inspectCell(t.game, 4, 4);
  moveCursor(t.game, 0, -1);
  EXPECT_EQ(marker(t.game), (std::pair{4, 3}));
  cursorHome(t.game);
  EXPECT_EQ(marker(t.game), (std::pair{3, 3}));  // the nearer of the two
}

TEST(BoardCursor, StopsAtEveryEdge) {
  TestGame t;
  setBoard(t.world(), {"4"});
  moveCursor(t.game, 0, 1);
  for (auto [dx, dy] : {std::pair{-1, 0}, {0, -1}}) {
    moveCursor(t.game, dx, dy);
    EXPECT_EQ(marker(t.game), (std::pair{0, 0}));
  }
  t.game.window.hoverX = kBoardSize - 1;
  t.game.window.hoverY = kBoardSize - 1;
  for (auto [dx, dy] : {std::pair{1, 0}, {0, 1}}) {
    moveCursor(t.game, dx, dy);
    EXPECT_EQ(marker(t.game), (std::pair{kBoardSize - 1, kBoardSize - 1}));
  }
}

TEST(BoardCursor, ANewOrLoadedGameStartsTheKeysAtTheOwnCellAgain) {
  TestGame t;
  test::queueNewGameDraws(t.game.random, {{1, 1}, {2, 2}, {3, 3}, {4, 4}, {30, 5}});
  newGame(t.game);
  EXPECT_FALSE(t.game.window.cursorPlaced);
  moveCursor(t.game, 1, 0);
  moveCursor(t.game, 1, 0);
  EXPECT_EQ(marker(t.game), (std::pair{31, 5}));
  gameLoaded(t.game);
  moveCursor(t.game, 1, 0);
  EXPECT_EQ(marker(t.game), (std::pair{30, 5}));
}

TEST(BoardCursor, EnterIsAClickOnTheMarkedCellAndTheMutationModeHoldsTheMarker) {
  TestGame keys, mouse;
  for (TestGame* t : {&keys, &mouse}) {
    setBoard(t->world(), {"", "", "", "...4"});
    t->org(kPlayer).aggression = 3;
  }
  keys.game.window.hoverX = 4;
  keys.game.window.hoverY = 3;
  pressCursorCell(keys.game);
  reachForCell(mouse.game, 4, 3);
  EXPECT_EQ(keys.rec.lines, mouse.rec.lines);
  EXPECT_EQ(keys.world().cell(4, 3).owner, mouse.world().cell(4, 3).owner);

  keys.game.window.mutationMode = true;
  keys.rec.clear();
  moveCursor(keys.game, 1, 0);
  cursorHome(keys.game);
  EXPECT_EQ(marker(keys.game), (std::pair{4, 3}));
  EXPECT_TRUE(keys.rec.lines.empty());
}

TEST(MutationKeys, TheKeysWalkTheCharacteristicsAroundAndEnterBuysLikeAClickOnTheCaption) {
  TestGame keys, mouse;
  for (TestGame* t : {&keys, &mouse}) {
    setBoard(t->world(), {"4"});
    t->org(kPlayer).aminoAcids = 1000;
    toggleMutationMode(t->game);
  }
  walkCharacteristics(keys.game, -1);
  EXPECT_EQ(chosenCharacteristic(keys.game), kCharacteristics.back());
  walkCharacteristics(keys.game, 1);
  walkCharacteristics(keys.game, 1);
  ASSERT_EQ(chosenCharacteristic(keys.game), Characteristic::Regeneration);
  // The pick shows the caption's hint, as the pointer resting on it does.
  hoverPanelItem(mouse.game, PanelItem::of(kCharacteristics.back()));
  hoverPanelItem(mouse.game, PanelItem::of(Characteristic::Vitality));
  hoverPanelItem(mouse.game, PanelItem::of(Characteristic::Regeneration));
  EXPECT_EQ(keys.rec.lines, mouse.rec.lines);

  buyChosenStep(keys.game);
  clickPanelItem(mouse.game, PanelItem::of(Characteristic::Regeneration));
  EXPECT_EQ(keys.rec.lines, mouse.rec.lines);
  EXPECT_EQ(keys.org(kPlayer).regeneration, mouse.org(kPlayer).regeneration);
  EXPECT_EQ(keys.game.window, mouse.game.window);
  // The mode is over: no pick is left, and the keys pick nothing outside it.
  EXPECT_EQ(chosenCharacteristic(keys.game), std::nullopt);
  walkCharacteristics(keys.game, 1);
  buyChosenStep(keys.game);
  EXPECT_EQ(keys.game.window.chosenCharacteristic, -1);
  EXPECT_EQ(keys.rec.lines, mouse.rec.lines);
}

TEST(MutationKeys, ASecondMutationInATurnIsRefusedByKeyAsByClick) {
  TestGame t;
  setBoard(t.world(), {"4"});
  t.org(kPlayer).mutated = true;
  toggleMutationMode(t.game);
  walkCharacteristics(t.game, 1);
  t.rec.clear();
  buyChosenStep(t.game);
  EXPECT_EQ(t.rec.lines, std::vector<std::string>{"status За ход можно проводить только одну мутацию!"});
  EXPECT_TRUE(t.game.window.mutationMode);
}

TEST(Reading, ACellSaysWhereItIsCountedFromOneAndOnlyWhatThePictureShows) {
  TestGame t;
  setBoard(t.world(), {"4.", "1", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "",
                       "",   "",  "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", ".....0"});
  EXPECT_EQ(cellReading(t.game, 0, 0), "Столбец 1, строка 1: моя клетка");
  EXPECT_EQ(cellReading(t.game, 1, 0), "Столбец 2, строка 1: свободная клетка");
  EXPECT_EQ(cellReading(t.game, 0, 1), "Столбец 1, строка 2: враг " + t.org(1).name);
  // The fog hides an enemy and free land alike.
  EXPECT_EQ(cellReading(t.game, 5, 35), "Столбец 6, строка 36: не видно");
  EXPECT_EQ(cellReading(t.game, 4, 35), "Столбец 5, строка 36: не видно");
}

TEST(Reading, ACaptionInTheMutationModeTellsItsPriceAndWhetherTheStockPaysAsTheBoldFaceDoes) {
  TestGame t;
  setBoard(t.world(), {"4"});
  for (int32_t stock : {0, 100, 100000}) {
    t.org(kPlayer).aminoAcids = stock;
    showPanel(t.game, kPlayer);
    for (Characteristic c : kCharacteristics) {
      const std::string text = offerReading(t.game, c);
      EXPECT_EQ(text.rfind(std::string(info(c).caption) + " " + t.game.window.panel.level(c), 0), 0u) << text;
      EXPECT_EQ(text.find("хватает") != std::string::npos && text.find("не хватает") == std::string::npos,
                t.game.window.panel.bold[static_cast<int>(c)])
          << text;
      if (level(t.org(kPlayer), c) < info(c).limit) {
        EXPECT_NE(text.find(std::to_string(mutationCost(t.org(kPlayer), c)) + " ед."), std::string::npos);
      }
    }
  }
}

}  // namespace
}  // namespace klebony
