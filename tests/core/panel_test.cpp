#include <gtest/gtest.h>

#include <algorithm>
#include <limits>

#include "core/panel.h"
#include "tests/core/support.h"

namespace klebony {
namespace {

using test::TestGame;
using Lines = std::vector<std::string>;

std::vector<int> boldLabels(const PanelView& panel) {
  std::vector<int> labels;
  for (const CharacteristicInfo& c : kCharacteristicTable)
    if (panel.bold[static_cast<int>(c.id)])
      labels.push_back(std::stoi(std::string(c.captionLabel).substr(5)));
  return labels;
}

PanelItem item(const char* label) { return *panelItemOfLabel(label); }

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
  EXPECT_TRUE(boldLabels(p).empty());
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
    EXPECT_EQ(p.level(c.id), "???") << c.valueLabel;
  }
  EXPECT_EQ(p.aminoAcids, "???");
  EXPECT_EQ(p.level(Characteristic::Vitality), "10/10 ед.");
  EXPECT_EQ(p.level(Characteristic::Spike), "4");
  EXPECT_EQ(p.level(Characteristic::TentacleLevel), "6");
  EXPECT_EQ(p.battlesWon, "9");
  EXPECT_EQ(p.cellsOwned, "11");
  EXPECT_TRUE(boldLabels(p).empty());
}

TEST(PanelValues, HoveringAVisibleEnemyShowsItAndAnyOtherCellThePlayer) {
  PanelGame t;
  t.org(kPlayer).aminoAcids = 30;
  inspectCell(t.game, 2, 1);
  EXPECT_EQ(t.panel().organism, 0);
  EXPECT_EQ(t.panel().aminoAcids, "???");
  EXPECT_TRUE(boldLabels(t.panel()).empty());
  inspectCell(t.game, 20, 20);  // hidden
  EXPECT_EQ(t.panel().organism, kPlayer);
  EXPECT_EQ(t.panel().aminoAcids, "30 ед.");
  EXPECT_EQ(boldLabels(t.panel()), (std::vector<int>{7, 12, 13, 15, 17, 14}));
}

TEST(PanelValues, NonsenseOrganismIndexShowsThePlayer) {
  PanelGame t;
  showPanel(t.game, 9);
  EXPECT_EQ(t.panel().organism, kPlayer);
  EXPECT_EQ(t.panel().name, "Тарвилис");
}

TEST(PanelFonts, BoldExactlyWhenThePriceIsInTheStock) {
  PanelGame t;
  Organism& p = t.org(kPlayer);
  p.aminoAcids = 4;
  refreshAffordability(t.game);
  EXPECT_TRUE(boldLabels(t.panel()).empty());
  p.aminoAcids = 5;
  refreshAffordability(t.game);
  EXPECT_EQ(boldLabels(t.panel()), (std::vector<int>{7}));
  p.aminoAcids = 139;
  refreshAffordability(t.game);
  EXPECT_EQ(boldLabels(t.panel()), (std::vector<int>{7, 12, 13, 15, 17, 14, 16, 19, 21, 23, 25}));
  p.aminoAcids = 140;
  refreshAffordability(t.game);
  EXPECT_EQ(boldLabels(t.panel()).front(), 3);
}

TEST(PanelFonts, TentaclesAtTheirLimitsStayRegular) {
  PanelGame t;
  Organism& p = t.org(kPlayer);
  for (Tentacle& s : p.tentacles) s = {true, 0};
  p.tentacleCount = 20;
  p.tentacleLevel = 10;
  p.aminoAcids = 900000;
  refreshAffordability(t.game);
  const auto bold = boldLabels(t.panel());
  EXPECT_EQ(std::count(bold.begin(), bold.end(), 9), 0);
  EXPECT_EQ(std::count(bold.begin(), bold.end(), 11), 0);
  EXPECT_EQ(bold.size(), 15u);
}

TEST(PanelHints, PricesAndExplanations) {
  PanelGame t;
  Organism& p = t.org(kPlayer);
  EXPECT_EQ(hintText(t.game, item("Label3")), "Для мутации требуется 140 аминокислот");
  EXPECT_EQ(hintText(t.game, item("Label25")), "Для мутации требуется 80 аминокислот");
  EXPECT_EQ(hintText(t.game, item("Label6")), "Показывает количество захваченных клеток.");
  EXPECT_EQ(hintText(t.game, item("Label10")), "Количество выигранных сражений!");
  p.aggression = 999;
  EXPECT_EQ(hintText(t.game, item("Label7")), "Для мутации требуется 5 аминокислот");
  p.tentacleCount = 19;
  EXPECT_EQ(hintText(t.game, item("Label9")), "Для мутации требуется 4000 аминокислот");
  p.tentacleCount = 20;
  EXPECT_EQ(hintText(t.game, item("Label9")), std::nullopt);
  p.tentacleLevel = 9;
  EXPECT_EQ(hintText(t.game, item("Label11")), "Для мутации требуется 6000 аминокислот");
  p.tentacleLevel = 10;
  EXPECT_EQ(hintText(t.game, item("Label11")), "Мои щупальца совершенны! :-)");
  for (const char* legend : {"Label20", "Label22", "Label24", "Label26", "Label27", "Label28"})
    EXPECT_EQ(hintText(t.game, item(legend)), std::nullopt) << legend;
}

TEST(PanelHints, HoverFromAnEnemyOntoACaptionShowsThePlayerBeforeTheHint) {
  PanelGame t;
  t.org(kPlayer).aminoAcids = 80;
  inspectCell(t.game, 2, 1);
  ASSERT_EQ(t.panel().organism, 0);
  t.rec.clear();
  hoverPanelItem(t.game, item("Label16"));
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
  hoverPanelItem(t.game, item("Label24"));
  EXPECT_EQ(t.panel().organism, kPlayer);
  EXPECT_TRUE(t.rec.lines.empty());
  EXPECT_EQ(t.game.window.upperStatus, "прежде");
}

TEST(PanelLabels, HeadingsTheAminoAcidBoxAndStrangeNamesStandForNothing) {
  for (const char* none : {"Label1", "Label2", "Label18", "Label29", "Label0", "Label012", "Label", "label3",
                           "Label3x", " Label3", "Llive", "", "Label99999999999999999999"})
    EXPECT_EQ(panelItemOfLabel(none), std::nullopt) << none;
}

TEST(PanelLabels, RowsRunTopDownWithTheTwoCountsInTheirPlaces) {
  const std::vector<PanelRow>& rows = panelRows();
  ASSERT_EQ(rows.size(), static_cast<std::size_t>(kCharacteristicCount + 2));
  for (std::size_t i = 0; i < rows.size(); ++i) EXPECT_EQ(rows[i].row, static_cast<int>(i));
  EXPECT_STREQ(rows[3].valueLabel, "Lsize");
  EXPECT_STREQ(rows[8].valueLabel, "Lbitv");
  EXPECT_STREQ(rows[13].captionLabel, "Label14");
}

}  // namespace
}  // namespace klebony
