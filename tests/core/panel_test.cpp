#include <gtest/gtest.h>

#include <algorithm>
#include <limits>

#include "panel.h"
#include "support.h"

namespace klebony {
namespace {

using test::TestGame;
using Lines = std::vector<std::string>;

std::vector<int> boldLabels(const PanelView& panel) {
  std::vector<int> labels;
  for (int i = 0; i < kCharacteristicCount; ++i)
    if (panel.bold[i]) labels.push_back(captionLabel(kCharacteristics[i]));
  return labels;
}

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
  EXPECT_EQ(p.label2, "Тарвилис");
  EXPECT_EQ(p.value(ValueLabel::Llive), "10/10 ед.");
  EXPECT_EQ(p.value(ValueLabel::Lamin), "0 ед.");
  EXPECT_EQ(p.value(ValueLabel::Lagsize), "1");
  EXPECT_EQ(p.value(ValueLabel::Lsensor), "1");
  EXPECT_EQ(p.value(ValueLabel::Lkolschup), "0");
  EXPECT_EQ(p.value(ValueLabel::LZspory), "0");
  EXPECT_TRUE(boldLabels(p).empty());
}

TEST(PanelValues, HpAboveTheMaximumAndHugeVitalityAreShownAsTheyAre) {
  PanelGame t;
  t.org(kPlayer).hp = 30;
  t.org(kPlayer).live = 2;
  t.org(kPlayer).reg = -3;
  showPanel(t.game, kPlayer);
  EXPECT_EQ(t.panel().value(ValueLabel::Llive), "30/20 ед.");
  EXPECT_EQ(t.panel().value(ValueLabel::Lreg), "-3");
  // Regression: 10 * live in 32 bits showed a negative maximum.
  t.org(kPlayer).live = std::numeric_limits<int32_t>::max();
  showPanel(t.game, kPlayer);
  EXPECT_EQ(t.panel().value(ValueLabel::Llive), "30/21474836470 ед.");
}

TEST(PanelValues, EnemyHidesSevenValuesAndTheStockAndEveryCaptionIsRegular) {
  PanelGame t;
  t.org(kPlayer).amin = 900000;
  Organism& e = t.org(0);
  e.amin = 1234;
  e.agsize = 7;
  e.sensor = 3;
  e.zschip = 2;
  e.schip = 4;
  e.urschup = 6;
  e.bitv = 9;
  e.size = 11;
  showPanel(t.game, 0);
  const PanelView& p = t.panel();
  EXPECT_EQ(p.organism, 0);
  EXPECT_EQ(p.label2, "Зеномиус");
  for (ValueLabel l : {ValueLabel::Lagsize, ValueLabel::Lsensor, ValueLabel::LZschip, ValueLabel::LZlezvie,
                       ValueLabel::LZkleschni, ValueLabel::LZhvost, ValueLabel::LZspory, ValueLabel::Lamin})
    EXPECT_EQ(p.value(l), "???") << valueLabelName(l);
  EXPECT_EQ(p.value(ValueLabel::Llive), "10/10 ед.");
  EXPECT_EQ(p.value(ValueLabel::Lschip), "4");
  EXPECT_EQ(p.value(ValueLabel::Lurschup), "6");
  EXPECT_EQ(p.value(ValueLabel::Lbitv), "9");
  EXPECT_EQ(p.value(ValueLabel::Lsize), "11");
  EXPECT_TRUE(boldLabels(p).empty());
}

TEST(PanelValues, HoveringAVisibleEnemyShowsItAndAnyOtherCellThePlayer) {
  PanelGame t;
  t.org(kPlayer).amin = 30;
  onCellHover(t.game, 2, 1);
  EXPECT_EQ(t.panel().organism, 0);
  EXPECT_EQ(t.panel().value(ValueLabel::Lamin), "???");
  EXPECT_TRUE(boldLabels(t.panel()).empty());
  onCellHover(t.game, 20, 20);  // hidden
  EXPECT_EQ(t.panel().organism, kPlayer);
  EXPECT_EQ(t.panel().value(ValueLabel::Lamin), "30 ед.");
  EXPECT_EQ(boldLabels(t.panel()), (std::vector<int>{7, 12, 13, 15, 17, 14}));
}

TEST(PanelValues, NonsenseOrganismIndexShowsThePlayer) {
  PanelGame t;
  showPanel(t.game, 9);
  EXPECT_EQ(t.panel().organism, kPlayer);
  EXPECT_EQ(t.panel().label2, "Тарвилис");
}

TEST(PanelFonts, BoldExactlyWhenThePriceIsInTheStock) {
  PanelGame t;
  Organism& p = t.org(kPlayer);
  p.amin = 4;
  refreshAffordability(t.game);
  EXPECT_TRUE(boldLabels(t.panel()).empty());
  p.amin = 5;
  refreshAffordability(t.game);
  EXPECT_EQ(boldLabels(t.panel()), (std::vector<int>{7}));
  p.amin = 139;
  refreshAffordability(t.game);
  EXPECT_EQ(boldLabels(t.panel()), (std::vector<int>{7, 12, 13, 15, 17, 14, 16, 19, 21, 23, 25}));
  p.amin = 140;
  refreshAffordability(t.game);
  EXPECT_EQ(boldLabels(t.panel()).front(), 3);
}

TEST(PanelFonts, TentaclesAtTheirLimitsStayRegular) {
  PanelGame t;
  Organism& p = t.org(kPlayer);
  for (Tentacle& s : p.tentacles) s = {true, 0};
  p.kolschup = 20;
  p.urschup = 10;
  p.amin = 900000;
  refreshAffordability(t.game);
  const auto bold = boldLabels(t.panel());
  EXPECT_EQ(std::count(bold.begin(), bold.end(), 9), 0);
  EXPECT_EQ(std::count(bold.begin(), bold.end(), 11), 0);
  EXPECT_EQ(bold.size(), 15u);
}

TEST(PanelHints, PricesAndExplanations) {
  PanelGame t;
  Organism& p = t.org(kPlayer);
  EXPECT_EQ(hintText(t.game, 3), "Для мутации требуется 140 аминокислот");
  EXPECT_EQ(hintText(t.game, 25), "Для мутации требуется 80 аминокислот");
  EXPECT_EQ(hintText(t.game, 6), "Показывает количество захваченных клеток.");
  EXPECT_EQ(hintText(t.game, 10), "Количество выигранных сражений!");
  p.agsize = 999;
  EXPECT_EQ(hintText(t.game, 7), "Для мутации требуется 5 аминокислот");
  p.kolschup = 19;
  EXPECT_EQ(hintText(t.game, 9), "Для мутации требуется 4000 аминокислот");
  p.kolschup = 20;
  EXPECT_EQ(hintText(t.game, 9), std::nullopt);
  p.urschup = 9;
  EXPECT_EQ(hintText(t.game, 11), "Для мутации требуется 6000 аминокислот");
  p.urschup = 10;
  EXPECT_EQ(hintText(t.game, 11), "Мои щупальца совершенны! :-)");
  for (int legend : {20, 22, 24, 26, 27, 28, 1, 2, 18}) EXPECT_EQ(hintText(t.game, legend), std::nullopt);
}

TEST(PanelHints, HoverFromAnEnemyOntoACaptionShowsThePlayerBeforeTheHint) {
  PanelGame t;
  t.org(kPlayer).amin = 80;
  onCellHover(t.game, 2, 1);
  ASSERT_EQ(t.panel().organism, 0);
  t.rec.clear();
  onCaptionHover(t.game, 16);
  EXPECT_EQ(t.panel().organism, kPlayer);
  EXPECT_TRUE(t.panel().bold[static_cast<int>(Characteristic::zschip)]);
  EXPECT_EQ(t.rec.lines, (Lines{"status Для мутации требуется 80 аминокислот"}));
  EXPECT_EQ(t.game.window.h1, "Для мутации требуется 80 аминокислот");
}

TEST(PanelHints, LegendHoverBringsThePlayerBackAndLeavesTheStatusLine) {
  PanelGame t;
  showPanel(t.game, 0);
  showStatus(t.game, "прежде");
  t.rec.clear();
  onCaptionHover(t.game, 24);
  EXPECT_EQ(t.panel().organism, kPlayer);
  EXPECT_TRUE(t.rec.lines.empty());
  EXPECT_EQ(t.game.window.h1, "прежде");
}

TEST(PanelHints, UnboundLabelsDoNothing) {
  PanelGame t;
  showPanel(t.game, 0);
  onCaptionHover(t.game, 2);
  onCaptionHover(t.game, 18);
  EXPECT_EQ(t.panel().organism, 0);
}

TEST(PanelLabels, NamesAreReadOnlyForLabel1ToLabel29) {
  EXPECT_EQ(panelLabelNumber("Label12"), 12);
  EXPECT_EQ(panelLabelNumber("Label1"), 1);
  EXPECT_EQ(panelLabelNumber("Label29"), 29);
  for (const char* bad : {"Label0", "Label30", "Label012", "Label", "label3", "Label3x", "Label-3", "Label+3",
                          " Label3", "Llive", "", "Label99999999999999999999"})
    EXPECT_EQ(panelLabelNumber(bad), std::nullopt) << bad;
}

}  // namespace
}  // namespace klebony
