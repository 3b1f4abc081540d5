// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <limits>

#include "core/mutation.h"
#include "core/panel.h"
#include "tests/core/support.h"

namespace klebony {
namespace {

using test::TestGame;
constexpr int32_t kMax = std::numeric_limits<int32_t>::max();

// Counts the refreshes of the turn and mutation buttons besides the recorded lines.
class ControlsRecorder : public test::Recorder {
 public:
  int controls = 0;
  void controlsChanged() override { ++controls; }
};

TEST(MutationPrice, GrowsWithLevelButAggressionStaysFlat) {
  TestGame t;
  Organism& p = t.org(kPlayer);
  p.spike = 4;
  p.aggression = 1301;
  EXPECT_EQ(mutationCost(p, Characteristic::Spike), 150);
  EXPECT_EQ(mutationCost(p, Characteristic::Aggression), 5);
}

// Regression: u * (L + 1) in 32 bits overflowed to a negative price that anyone could pay.
TEST(MutationPrice, SaturatesInsteadOfOverflowing) {
  TestGame t;
  Organism& p = t.org(kPlayer);
  p.mobility = 5'000'000;
  EXPECT_EQ(mutationCost(p, Characteristic::Mobility), kMax);
  p.aminoAcids = 900000;
  EXPECT_FALSE(canMutate(p, Characteristic::Mobility));
}

// Regression: a level at the top of int32 wrapped to INT32_MIN on +1.
TEST(MutationPrice, LevelAtInt32TopCannotBeRaised) {
  TestGame t;
  Organism& p = t.org(kPlayer);
  p.aggression = kMax;
  p.aminoAcids = kMax;
  EXPECT_FALSE(canMutate(p, Characteristic::Aggression));
  applyMutation(p, Characteristic::Aggression);
  EXPECT_EQ(p.aggression, kMax);
  EXPECT_EQ(p.aminoAcids, kMax);
}

// Regression: hp := 10 * live overflowed for a vitality near the top of int32.
TEST(MutationPrice, VitalityStepNearInt32TopSaturatesHp) {
  TestGame t;
  Organism& p = t.org(kPlayer);
  p.vitality = kMax - 1;
  p.aminoAcids = kMax;
  ASSERT_TRUE(canMutate(p, Characteristic::Vitality));
  applyMutation(p, Characteristic::Vitality);
  EXPECT_EQ(p.vitality, kMax);
  EXPECT_EQ(p.hp, kMax);
  EXPECT_EQ(p.aminoAcids, 0);
}

// Regression: a negative level from a foreign file gave a negative price, so a step paid the organism.
TEST(MutationPrice, NegativeLevelIsPricedLikeLevelZero) {
  TestGame t;
  Organism& p = t.org(kPlayer);
  p.acidDefence = -7;
  EXPECT_EQ(mutationCost(p, Characteristic::AcidDefence), 80);
  p.aminoAcids = 79;
  EXPECT_FALSE(canMutate(p, Characteristic::AcidDefence));
  p.aminoAcids = 80;
  applyMutation(p, Characteristic::AcidDefence);
  EXPECT_EQ(p.acidDefence, -6);
  EXPECT_EQ(p.aminoAcids, 0);
}

TEST(MutationStep, ExactPriceIsEnoughOneLessIsNot) {
  TestGame t;
  Organism& p = t.org(kPlayer);
  p.aminoAcids = 139;
  EXPECT_FALSE(canMutate(p, Characteristic::Vitality));
  p.aminoAcids = 140;
  p.hp = 3;
  ASSERT_TRUE(canMutate(p, Characteristic::Vitality));
  applyMutation(p, Characteristic::Vitality);
  EXPECT_EQ(p.aminoAcids, 0);
  EXPECT_EQ(p.vitality, 2);
  EXPECT_EQ(p.hp, 20);  // healed to the new maximum
}

TEST(MutationStep, NewTentacleTakesTheFirstFreeSlot) {
  TestGame t;
  Organism& p = t.org(kPlayer);
  for (int i = 0; i < kTentacleSlots; ++i) p.tentacles[i] = {i != 7, 5};
  p.tentacles[7].travel = 12;  // a stale travel must not survive
  p.tentacleCount = 19;
  p.aminoAcids = 4000;
  ASSERT_TRUE(canMutate(p, Characteristic::Tentacles));
  applyMutation(p, Characteristic::Tentacles);
  EXPECT_EQ(p.tentacleCount, 20);
  EXPECT_TRUE(p.tentacles[7].active);
  EXPECT_EQ(p.tentacles[7].travel, 0);
  EXPECT_EQ(p.aminoAcids, 0);
}

// Regression: a file whose count says less than its active slots made a paid step add no tentacle.
TEST(MutationStep, TentacleIsNotSoldWithoutAFreeSlot) {
  TestGame t;
  Organism& p = t.org(kPlayer);
  for (Tentacle& s : p.tentacles) s = {true, 0};
  p.tentacleCount = 3;
  p.aminoAcids = 100000;
  EXPECT_FALSE(canMutate(p, Characteristic::Tentacles));
}

// A characteristic with a limit is sold up to it, and no step past it.
TEST(MutationStep, EveryLimitIsReachedAndNotPassed) {
  for (const CharacteristicInfo& c : kCharacteristicTable) {
    if (c.limit == kNoLimit) continue;
    TestGame t;
    Organism& p = t.org(kPlayer);
    level(p, c.id) = c.limit - 1;
    p.aminoAcids = mutationCost(p, c.id);
    applyMutation(p, c.id);
    EXPECT_EQ(level(p, c.id), c.limit) << c.name;
    EXPECT_EQ(p.aminoAcids, 0) << c.name;
    p.aminoAcids = kMax;
    EXPECT_FALSE(canMutate(p, c.id)) << c.name;
  }
}

TEST(MutationStep, AggressionIsBoughtPastTheAutomaticLimit) {
  TestGame t;
  Organism& p = t.org(kPlayer);
  p.aggression = 1301;
  p.aminoAcids = 5;
  applyMutation(p, Characteristic::Aggression);
  EXPECT_EQ(p.aggression, 1302);
  EXPECT_EQ(p.aminoAcids, 0);
}

TEST(PlayerMutate, OneStepPerTurn) {
  TestGame t;
  Organism& p = t.org(kPlayer);
  p.aminoAcids = 29;
  EXPECT_EQ(playerMutate(t.game, Characteristic::Spike), MutationOutcome::Refused);
  EXPECT_FALSE(p.mutated);
  p.aminoAcids = 60;
  EXPECT_EQ(playerMutate(t.game, Characteristic::Spike), MutationOutcome::Applied);
  EXPECT_TRUE(p.mutated);
  EXPECT_EQ(playerMutate(t.game, Characteristic::Blades), MutationOutcome::AlreadyMutated);
  EXPECT_EQ(p.blades, 0);
  EXPECT_EQ(p.aminoAcids, 30);
}

struct ModeGame : TestGame {
  ControlsRecorder controls;
  ModeGame() {
    game.outcomes = &controls;
    test::setBoard(world(), {"", "", "", "....4"});
  }
  const std::vector<std::string>& lines() const { return controls.lines; }
};

TEST(MutationMode, TogglingTwiceSoundsTwiceAndChangesNothingElse) {
  ModeGame t;
  const World before = t.world();
  toggleMutationMode(t.game);
  EXPECT_TRUE(t.game.window.mutationMode);
  EXPECT_FALSE(t.game.window.turnButtonEnabled);
  EXPECT_EQ(t.game.window.mutationButtonCaption, "Отмена");
  toggleMutationMode(t.game);
  EXPECT_FALSE(t.game.window.mutationMode);
  EXPECT_TRUE(t.game.window.turnButtonEnabled);
  EXPECT_EQ(t.game.window.mutationButtonCaption, "Мутация +");
  EXPECT_EQ(t.lines(), (std::vector<std::string>{"sound Sound/ClickMut.wav", "sound Sound/ClickMut.wav"}));
  EXPECT_EQ(t.controls.controls, 2);
  EXPECT_EQ(t.world().organisms, before.organisms);
}

TEST(MutationMode, SwitchingOnBringsThePlayerBackToThePanel) {
  ModeGame t;
  t.org(kPlayer).aminoAcids = 80;
  showPanel(t.game, 2);
  toggleMutationMode(t.game);
  EXPECT_EQ(t.game.window.panel.organism, kPlayer);
  EXPECT_TRUE(t.game.window.panel.bold[static_cast<int>(Characteristic::PiercingDefence)]);
  EXPECT_FALSE(t.game.window.panel.bold[static_cast<int>(Characteristic::Vitality)]);
}

TEST(MutationMode, CaptionClickBuysOneStepAndEndsTheMode) {
  ModeGame t;
  t.org(kPlayer).aminoAcids = 500;
  toggleMutationMode(t.game);
  t.controls.clear();
  buyStep(t.game, Characteristic::Sensors);  // "Уровень сенсоров:"
  EXPECT_EQ(t.org(kPlayer).sensors, 2);
  EXPECT_EQ(t.org(kPlayer).aminoAcids, 0);
  EXPECT_TRUE(t.org(kPlayer).mutated);
  EXPECT_FALSE(t.game.window.mutationMode);
  EXPECT_TRUE(t.game.window.turnButtonEnabled);
  EXPECT_EQ(t.game.window.mutationButtonCaption, "Мутация +");
  EXPECT_TRUE(t.lines().empty());  // a caption click makes no sound
  // The wider sight shows at once: a 5 x 5 square around (4, 3).
  EXPECT_TRUE(t.world().cell(2, 1).visible);
  EXPECT_TRUE(t.world().cell(6, 5).visible);
  EXPECT_FALSE(t.world().cell(7, 3).visible);
}

TEST(MutationMode, SecondMutationInOneTurnIsRefusedWithAMessageAndTheModeStays) {
  ModeGame t;
  t.org(kPlayer).aminoAcids = 100;
  toggleMutationMode(t.game);
  buyStep(t.game, Characteristic::Spike);
  toggleMutationMode(t.game);
  t.controls.clear();
  buyStep(t.game, Characteristic::Blades);
  endMutationModeFromLegend(t.game);  // a legend label does not end it either
  EXPECT_EQ(t.lines(), (std::vector<std::string>{"status За ход можно проводить только одну мутацию!"}));
  EXPECT_TRUE(t.game.window.mutationMode);
  EXPECT_FALSE(t.game.window.turnButtonEnabled);
  EXPECT_EQ(t.org(kPlayer).spike, 1);
  EXPECT_EQ(t.org(kPlayer).blades, 0);
  EXPECT_EQ(t.org(kPlayer).aminoAcids, 70);
}

TEST(MutationMode, RefusedStepEndsTheModeAndLeavesTheTurnsMutationFree) {
  ModeGame t;
  t.org(kPlayer).aminoAcids = 139;
  toggleMutationMode(t.game);
  buyStep(t.game, Characteristic::Vitality);
  EXPECT_FALSE(t.game.window.mutationMode);
  EXPECT_FALSE(t.org(kPlayer).mutated);
  EXPECT_EQ(t.org(kPlayer).vitality, 1);
  toggleMutationMode(t.game);
  buyStep(t.game, Characteristic::Regeneration);  // regeneration is dearer still
  buyStep(t.game, Characteristic::Aggression);    // the mode is off: nothing
  EXPECT_EQ(t.org(kPlayer).aggression, 1);
  toggleMutationMode(t.game);
  buyStep(t.game, Characteristic::Aggression);
  EXPECT_EQ(t.org(kPlayer).aggression, 2);
  EXPECT_TRUE(t.org(kPlayer).mutated);
}

TEST(MutationMode, TheKeyLegendEndsTheModeWithoutAMutation) {
  ModeGame t;
  t.org(kPlayer).aminoAcids = 900000;
  toggleMutationMode(t.game);
  const auto organisms = t.world().organisms;
  clickPanelItem(t.game, PanelItem{PanelItem::Kind::KeyLegend});
  EXPECT_FALSE(t.game.window.mutationMode);
  EXPECT_TRUE(t.game.window.turnButtonEnabled);
  EXPECT_EQ(t.world().organisms, organisms);
}

TEST(MutationMode, TheTwoCountsLeaveTheModeOn) {
  ModeGame t;
  t.org(kPlayer).aminoAcids = 900000;
  toggleMutationMode(t.game);
  t.controls.clear();
  t.controls.controls = 0;
  for (PanelItem::Kind count : {PanelItem::Kind::CellsOwned, PanelItem::Kind::BattlesWon})
    clickPanelItem(t.game, PanelItem{count});
  EXPECT_TRUE(t.game.window.mutationMode);
  EXPECT_TRUE(t.lines().empty());
  EXPECT_EQ(t.controls.controls, 0);
}

TEST(MutationMode, TheKeyLegendNeverSwitchesTheModeOn) {
  ModeGame t;
  endMutationModeFromLegend(t.game);
  EXPECT_FALSE(t.game.window.mutationMode);
  EXPECT_TRUE(t.lines().empty());
}

TEST(MutationMode, TheEndOfTurnAllowsTheNextStep) {
  ModeGame t;
  t.org(kPlayer).aminoAcids = 200;
  toggleMutationMode(t.game);
  buyStep(t.game, Characteristic::Spike);
  endTurn(t.game);
  toggleMutationMode(t.game);
  buyStep(t.game, Characteristic::Spike);
  EXPECT_EQ(t.org(kPlayer).spike, 2);
}

TEST(MutationMode, EndOfTurnIsIgnoredWhileTheModeIsOn) {
  ModeGame t;
  toggleMutationMode(t.game);
  endTurn(t.game);
  EXPECT_EQ(t.world().turn, 0);
}

}  // namespace
}  // namespace klebony
