// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <limits>

#include "core/mutation.h"
#include "core/panel.h"
#include "tests/core/support.h"

namespace klebony {
namespace {

using test::TestGame;
using Lines = std::vector<std::string>;

using Names = std::vector<std::string>;

// The characteristics whose captions are bold, top to bottom.
Names boldCaptions(const PanelView& panel) {
  Names names;
  for (const CharacteristicInfo& c : kCharacteristicTable)
    if (panel.bold[static_cast<int>(c.id)]) names.push_back(c.name);
  return names;
}

// The characteristics the organism can buy a step of now.
Names affordable(const Organism& o) {
  Names names;
  for (const CharacteristicInfo& c : kCharacteristicTable)
    if (canMutate(o, c.id)) names.push_back(c.name);
  return names;
}

PanelItem item(Characteristic c) { return PanelItem::of(c); }
constexpr PanelItem kKeyLegend{PanelItem::Kind::KeyLegend};

// The player on (1, 1) with an enemy next to it and another out of sight.
struct PanelGame : TestGame {
  PanelGame() { test::setBoard(world(), {"", ".40", "", "", "", "", "", "", "", "", "1.2.3"}); }
  const PanelView& panel() const { return game.window.panel; }
};

TEST(PanelValues, NewGameShowsFullLifeNoStockAndNothingAffordable) {
  PanelGame t;
  showPanel(t.game, kPlayer);
  const PanelView& p = t.panel();
  EXPECT_EQ(p.organism, kPlayer);
  EXPECT_EQ(p.name, "Тарвилис");
  EXPECT_EQ(p.level(Characteristic::Vitality), "10/10 ед.");
  EXPECT_EQ(p.aminoAcids, "0 ед.");
  EXPECT_EQ(p.level(Characteristic::Aggression), "1");
  EXPECT_EQ(p.level(Characteristic::Sensors), "1");
  EXPECT_EQ(p.level(Characteristic::Tentacles), "0");
  EXPECT_EQ(p.level(Characteristic::AcidDefence), "0");
  EXPECT_TRUE(boldCaptions(p).empty());
}

TEST(PanelValues, HpAboveTheMaximumAndHugeVitalityAreShownAsTheyAre) {
  PanelGame t;
  t.org(kPlayer).hp = 30;
  t.org(kPlayer).vitality = 2;
  t.org(kPlayer).regeneration = -3;
  showPanel(t.game, kPlayer);
  EXPECT_EQ(t.panel().level(Characteristic::Vitality), "30/20 ед.");
  EXPECT_EQ(t.panel().level(Characteristic::Regeneration), "-3");
  // Regression: 10 * live in 32 bits showed a negative maximum.
  t.org(kPlayer).vitality = std::numeric_limits<int32_t>::max();
  showPanel(t.game, kPlayer);
  EXPECT_EQ(t.panel().level(Characteristic::Vitality), "30/21474836470 ед.");
}

TEST(PanelValues, EnemyHidesSevenValuesAndTheStockAndEveryCaptionIsRegular) {
  PanelGame t;
  t.org(kPlayer).aminoAcids = 900000;
  Organism& e = t.org(0);
  e.aminoAcids = 1234;
  e.aggression = 7;
  e.sensors = 3;
  e.piercingDefence = 2;
  e.spike = 4;
  e.tentacleLevel = 6;
  e.battlesWon = 9;
  e.size = 11;
  showPanel(t.game, 0);
  const PanelView& p = t.panel();
  EXPECT_EQ(p.organism, 0);
  EXPECT_EQ(p.name, "Зеномиус");
  for (const CharacteristicInfo& c : kCharacteristicTable) {
    if (!c.hiddenOnEnemy) continue;
    EXPECT_EQ(p.level(c.id), "???") << c.name;
  }
  EXPECT_EQ(p.aminoAcids, "???");
  EXPECT_EQ(p.level(Characteristic::Vitality), "10/10 ед.");
  EXPECT_EQ(p.level(Characteristic::Spike), "4");
  EXPECT_EQ(p.level(Characteristic::TentacleLevel), "6");
  EXPECT_EQ(p.battlesWon, "9");
  EXPECT_EQ(p.cellsOwned, "11");
  EXPECT_TRUE(boldCaptions(p).empty());
}

TEST(PanelValues, HoveringAVisibleEnemyShowsItAndAnyOtherCellThePlayer) {
  PanelGame t;
  t.org(kPlayer).aminoAcids = 30;
  inspectCell(t.game, 2, 1);
  EXPECT_EQ(t.panel().organism, 0);
  EXPECT_EQ(t.panel().aminoAcids, "???");
  EXPECT_TRUE(boldCaptions(t.panel()).empty());
  inspectCell(t.game, 20, 20);  // hidden
  EXPECT_EQ(t.panel().organism, kPlayer);
  EXPECT_EQ(t.panel().aminoAcids, "30 ед.");
  EXPECT_EQ(boldCaptions(t.panel()), affordable(t.org(kPlayer)));
  EXPECT_FALSE(boldCaptions(t.panel()).empty());
}

TEST(PanelValues, NonsenseOrganismIndexShowsThePlayer) {
  PanelGame t;
  showPanel(t.game, 9);
  EXPECT_EQ(t.panel().organism, kPlayer);
  EXPECT_EQ(t.panel().name, "Тарвилис");
}

// Every caption turns bold at its price and not a unit before.
TEST(PanelFonts, BoldExactlyWhenThePriceIsInTheStock) {
  for (const CharacteristicInfo& c : kCharacteristicTable) {
    PanelGame t;
    Organism& p = t.org(kPlayer);
    const int32_t price = mutationCost(p, c.id);
    for (const int32_t stock : {price - 1, price}) {
      p.aminoAcids = stock;
      refreshAffordability(t.game);
      EXPECT_EQ(t.panel().bold[static_cast<int>(c.id)], stock == price) << c.name << " at " << stock;
    }
  }
}

TEST(PanelFonts, CharacteristicsAtTheirLimitsStayRegular) {
  PanelGame t;
  Organism& p = t.org(kPlayer);
  for (Tentacle& s : p.tentacles) s = {true, 0};  // a full count of tentacles is a full set of slots
  for (const CharacteristicInfo& c : kCharacteristicTable)
    if (c.limit != kNoLimit) level(p, c.id) = c.limit;
  p.aminoAcids = 900000;
  refreshAffordability(t.game);
  for (const CharacteristicInfo& c : kCharacteristicTable)
    EXPECT_EQ(t.panel().bold[static_cast<int>(c.id)], c.limit == kNoLimit) << c.name;
}

TEST(PanelHints, PricesAndExplanations) {
  PanelGame t;
  Organism& p = t.org(kPlayer);
  EXPECT_EQ(hintText(t.game, item(Characteristic::Vitality)), "Для мутации требуется 140 аминокислот");
  EXPECT_EQ(hintText(t.game, item(Characteristic::AcidDefence)), "Для мутации требуется 80 аминокислот");
  EXPECT_EQ(hintText(t.game, {PanelItem::Kind::CellsOwned}), "Показывает количество захваченных клеток.");
  EXPECT_EQ(hintText(t.game, {PanelItem::Kind::BattlesWon}), "Количество выигранных сражений!");
  p.aggression = 999;
  EXPECT_EQ(hintText(t.game, item(Characteristic::Aggression)), "Для мутации требуется 5 аминокислот");
  p.tentacleCount = 19;
  EXPECT_EQ(hintText(t.game, item(Characteristic::Tentacles)), "Для мутации требуется 4000 аминокислот");
  p.tentacleCount = 20;
  EXPECT_EQ(hintText(t.game, item(Characteristic::Tentacles)), std::nullopt);
  p.tentacleLevel = 9;
  EXPECT_EQ(hintText(t.game, item(Characteristic::TentacleLevel)), "Для мутации требуется 6000 аминокислот");
  p.tentacleLevel = 10;
  EXPECT_EQ(hintText(t.game, item(Characteristic::TentacleLevel)), "Мои щупальца совершенны! :-)");
  EXPECT_EQ(hintText(t.game, kKeyLegend), std::nullopt);
}

TEST(PanelHints, HoverFromAnEnemyOntoACaptionShowsThePlayerBeforeTheHint) {
  PanelGame t;
  t.org(kPlayer).aminoAcids = 80;
  inspectCell(t.game, 2, 1);
  ASSERT_EQ(t.panel().organism, 0);
  t.rec.clear();
  hoverPanelItem(t.game, item(Characteristic::PiercingDefence));
  EXPECT_EQ(t.panel().organism, kPlayer);
  EXPECT_TRUE(t.panel().bold[static_cast<int>(Characteristic::PiercingDefence)]);
  EXPECT_EQ(t.rec.lines, (Lines{"status Для мутации требуется 80 аминокислот"}));
  EXPECT_EQ(t.game.window.upperStatus, "Для мутации требуется 80 аминокислот");
}

TEST(PanelHints, LegendHoverBringsThePlayerBackAndLeavesTheStatusLine) {
  PanelGame t;
  showPanel(t.game, 0);
  showStatus(t.game, "прежде");
  t.rec.clear();
  hoverPanelItem(t.game, kKeyLegend);
  EXPECT_EQ(t.panel().organism, kPlayer);
  EXPECT_TRUE(t.rec.lines.empty());
  EXPECT_EQ(t.game.window.upperStatus, "прежде");
}

// The panel shows every characteristic once, in the table's order, with the
// cells owned above the aggression and the battles won above the attack organs.
TEST(PanelRows, TheCharacteristicsInTableOrderWithTheCountsAmongThem) {
  Names shown;
  for (const PanelRow& row : panelRows()) shown.push_back(row.name);
  Names expected;
  for (const CharacteristicInfo& c : kCharacteristicTable) {
    if (c.id == Characteristic::Aggression) expected.push_back("cellsOwned");
    if (c.id == Characteristic::Spike) expected.push_back("battlesWon");
    expected.push_back(c.name);
  }
  EXPECT_EQ(shown, expected);
}

}  // namespace
}  // namespace klebony
