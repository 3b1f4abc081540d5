#include <gtest/gtest.h>

#include <limits>

#include "mutation.h"
#include "support.h"

namespace klebony {
namespace {

using test::TestGame;
constexpr int32_t kMax = std::numeric_limits<int32_t>::max();

// Counts the refreshes of HOD and BMut besides the recorded lines.
class ControlsRecorder : public test::Recorder {
 public:
  int controls = 0;
  void controlsChanged() override { ++controls; }
};

TEST(MutationPrice, GrowsWithLevelButAggressionStaysFlat) {
  TestGame t;
  Organism& p = t.org(kPlayer);
  p.schip = 4;
  p.agsize = 1301;
  EXPECT_EQ(mutationCost(p, Characteristic::schip), 150);
  EXPECT_EQ(mutationCost(p, Characteristic::agsize), 5);
}

TEST(MutationPrice, EveryCaptionLabelLeadsBackToItsCharacteristic) {
  int matched = 0;
  for (int label = 0; label <= 30; ++label) {
    if (auto c = characteristicOfLabel(label)) {
      EXPECT_EQ(captionLabel(*c), label);
      ++matched;
    }
  }
  EXPECT_EQ(matched, kCharacteristicCount);
  EXPECT_FALSE(characteristicOfLabel(6));   // size is not mutable
  EXPECT_FALSE(characteristicOfLabel(10));  // nor are the battles won
  EXPECT_EQ(characteristicOfLabel(14), Characteristic::spory);
  EXPECT_EQ(characteristicOfLabel(19), Characteristic::zlezvie);
}

// Regression: u * (L + 1) in 32 bits overflowed to a negative price that anyone could pay.
TEST(MutationPrice, SaturatesInsteadOfOverflowing) {
  TestGame t;
  Organism& p = t.org(kPlayer);
  p.speed = 5'000'000;
  EXPECT_EQ(mutationCost(p, Characteristic::speed), kMax);
  p.amin = 900000;
  EXPECT_FALSE(canMutate(p, Characteristic::speed));
}

// Regression: a level at the top of int32 wrapped to INT32_MIN on +1.
TEST(MutationPrice, LevelAtInt32TopCannotBeRaised) {
  TestGame t;
  Organism& p = t.org(kPlayer);
  p.agsize = kMax;
  p.amin = kMax;
  EXPECT_FALSE(canMutate(p, Characteristic::agsize));
  applyMutation(p, Characteristic::agsize);
  EXPECT_EQ(p.agsize, kMax);
  EXPECT_EQ(p.amin, kMax);
}

// Regression: hp := 10 * live overflowed for a vitality near the top of int32.
TEST(MutationPrice, VitalityStepNearInt32TopSaturatesHp) {
  TestGame t;
  Organism& p = t.org(kPlayer);
  p.live = kMax - 1;
  p.amin = kMax;
  ASSERT_TRUE(canMutate(p, Characteristic::live));
  applyMutation(p, Characteristic::live);
  EXPECT_EQ(p.live, kMax);
  EXPECT_EQ(p.hp, kMax);
  EXPECT_EQ(p.amin, 0);
}

// Regression: a negative level from a foreign file gave a negative price, so a step paid the organism.
TEST(MutationPrice, NegativeLevelIsPricedLikeLevelZero) {
  TestGame t;
  Organism& p = t.org(kPlayer);
  p.zspory = -7;
  EXPECT_EQ(mutationCost(p, Characteristic::zspory), 80);
  p.amin = 79;
  EXPECT_FALSE(canMutate(p, Characteristic::zspory));
  p.amin = 80;
  applyMutation(p, Characteristic::zspory);
  EXPECT_EQ(p.zspory, -6);
  EXPECT_EQ(p.amin, 0);
}

TEST(MutationStep, ExactPriceIsEnoughOneLessIsNot) {
  TestGame t;
  Organism& p = t.org(kPlayer);
  p.amin = 139;
  EXPECT_FALSE(canMutate(p, Characteristic::live));
  p.amin = 140;
  p.hp = 3;
  ASSERT_TRUE(canMutate(p, Characteristic::live));
  applyMutation(p, Characteristic::live);
  EXPECT_EQ(p.amin, 0);
  EXPECT_EQ(p.live, 2);
  EXPECT_EQ(p.hp, 20);  // healed to the new maximum
}

TEST(MutationStep, NewTentacleTakesTheFirstFreeSlotUpToTwenty) {
  TestGame t;
  Organism& p = t.org(kPlayer);
  for (int i = 0; i < kTentacleSlots; ++i) p.tentacles[i] = {i != 7, 5};
  p.tentacles[7].travel = 12;  // a stale travel must not survive
  p.kolschup = 19;
  p.amin = 4000;
  ASSERT_TRUE(canMutate(p, Characteristic::kolschup));
  applyMutation(p, Characteristic::kolschup);
  EXPECT_EQ(p.kolschup, 20);
  EXPECT_TRUE(p.tentacles[7].active);
  EXPECT_EQ(p.tentacles[7].travel, 0);
  EXPECT_EQ(p.amin, 0);
  p.amin = 900000;
  EXPECT_FALSE(canMutate(p, Characteristic::kolschup));
}

// Regression: a file whose count says less than its active slots made a paid step add no tentacle.
TEST(MutationStep, TentacleIsNotSoldWithoutAFreeSlot) {
  TestGame t;
  Organism& p = t.org(kPlayer);
  for (Tentacle& s : p.tentacles) s = {true, 0};
  p.kolschup = 3;
  p.amin = 100000;
  EXPECT_FALSE(canMutate(p, Characteristic::kolschup));
}

TEST(MutationStep, TentacleLevelStopsAtTen) {
  TestGame t;
  Organism& p = t.org(kPlayer);
  p.urschup = 9;
  p.amin = 6000;
  applyMutation(p, Characteristic::urschup);
  EXPECT_EQ(p.urschup, 10);
  EXPECT_EQ(p.amin, 0);
  p.amin = 900000;
  EXPECT_FALSE(canMutate(p, Characteristic::urschup));
}

TEST(MutationStep, AggressionIsBoughtPastTheAutomaticLimit) {
  TestGame t;
  Organism& p = t.org(kPlayer);
  p.agsize = 1301;
  p.amin = 5;
  applyMutation(p, Characteristic::agsize);
  EXPECT_EQ(p.agsize, 1302);
  EXPECT_EQ(p.amin, 0);
}

TEST(PlayerMutate, OneStepPerTurn) {
  TestGame t;
  Organism& p = t.org(kPlayer);
  p.amin = 29;
  EXPECT_EQ(playerMutate(t.game, Characteristic::schip), MutationOutcome::Refused);
  EXPECT_FALSE(p.mutated);
  p.amin = 60;
  EXPECT_EQ(playerMutate(t.game, Characteristic::schip), MutationOutcome::Applied);
  EXPECT_TRUE(p.mutated);
  EXPECT_EQ(playerMutate(t.game, Characteristic::lezvie), MutationOutcome::AlreadyMutated);
  EXPECT_EQ(p.lezvie, 0);
  EXPECT_EQ(p.amin, 30);
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
  EXPECT_FALSE(t.game.window.hodEnabled);
  EXPECT_EQ(t.game.window.bmutCaption, "Отмена");
  toggleMutationMode(t.game);
  EXPECT_FALSE(t.game.window.mutationMode);
  EXPECT_TRUE(t.game.window.hodEnabled);
  EXPECT_EQ(t.game.window.bmutCaption, "Мутация +");
  EXPECT_EQ(t.lines(), (std::vector<std::string>{"sound Sound/ClickMut.wav", "sound Sound/ClickMut.wav"}));
  EXPECT_EQ(t.controls.controls, 2);
  EXPECT_EQ(t.world().organisms, before.organisms);
}

TEST(MutationMode, SwitchingOnBringsThePlayerBackToThePanel) {
  ModeGame t;
  t.org(kPlayer).amin = 80;
  showPanel(t.game, 2);
  toggleMutationMode(t.game);
  EXPECT_EQ(t.game.window.panel.organism, kPlayer);
  EXPECT_TRUE(t.game.window.panel.bold[static_cast<int>(Characteristic::zschip)]);
  EXPECT_FALSE(t.game.window.panel.bold[static_cast<int>(Characteristic::live)]);
}

TEST(MutationMode, CaptionClickBuysOneStepAndEndsTheMode) {
  ModeGame t;
  t.org(kPlayer).amin = 500;
  toggleMutationMode(t.game);
  t.controls.clear();
  onCaptionClick(t.game, 8);  // "Уровень сенсоров:"
  EXPECT_EQ(t.org(kPlayer).sensor, 2);
  EXPECT_EQ(t.org(kPlayer).amin, 0);
  EXPECT_TRUE(t.org(kPlayer).mutated);
  EXPECT_FALSE(t.game.window.mutationMode);
  EXPECT_TRUE(t.game.window.hodEnabled);
  EXPECT_EQ(t.game.window.bmutCaption, "Мутация +");
  EXPECT_TRUE(t.lines().empty());  // a caption click makes no sound
  // The wider sight shows at once: a 5 x 5 square around (4, 3).
  EXPECT_TRUE(t.world().cell(2, 1).visible);
  EXPECT_TRUE(t.world().cell(6, 5).visible);
  EXPECT_FALSE(t.world().cell(7, 3).visible);
}

TEST(MutationMode, SecondMutationInOneTurnIsRefusedWithAMessageAndTheModeStays) {
  ModeGame t;
  t.org(kPlayer).amin = 100;
  toggleMutationMode(t.game);
  onCaptionClick(t.game, 12);
  toggleMutationMode(t.game);
  t.controls.clear();
  onCaptionClick(t.game, 13);
  onCaptionClick(t.game, 27);  // a legend label does not end it either
  EXPECT_EQ(t.lines(), (std::vector<std::string>{"status За ход можно проводить только одну мутацию!"}));
  EXPECT_TRUE(t.game.window.mutationMode);
  EXPECT_FALSE(t.game.window.hodEnabled);
  EXPECT_EQ(t.org(kPlayer).schip, 1);
  EXPECT_EQ(t.org(kPlayer).lezvie, 0);
  EXPECT_EQ(t.org(kPlayer).amin, 70);
}

TEST(MutationMode, RefusedStepEndsTheModeAndLeavesTheTurnsMutationFree) {
  ModeGame t;
  t.org(kPlayer).amin = 139;
  toggleMutationMode(t.game);
  onCaptionClick(t.game, 3);
  EXPECT_FALSE(t.game.window.mutationMode);
  EXPECT_FALSE(t.org(kPlayer).mutated);
  EXPECT_EQ(t.org(kPlayer).live, 1);
  toggleMutationMode(t.game);
  onCaptionClick(t.game, 4);  // regeneration is dearer still
  onCaptionClick(t.game, 7);  // the mode is off: nothing
  EXPECT_EQ(t.org(kPlayer).agsize, 1);
  toggleMutationMode(t.game);
  onCaptionClick(t.game, 7);
  EXPECT_EQ(t.org(kPlayer).agsize, 2);
  EXPECT_TRUE(t.org(kPlayer).mutated);
}

TEST(MutationMode, EveryLegendLabelEndsTheModeWithoutAMutation) {
  for (int label : {20, 22, 24, 26, 27, 28}) {
    ModeGame t;
    t.org(kPlayer).amin = 900000;
    toggleMutationMode(t.game);
    const auto organisms = t.world().organisms;
    onCaptionClick(t.game, label);
    EXPECT_FALSE(t.game.window.mutationMode) << label;
    EXPECT_TRUE(t.game.window.hodEnabled) << label;
    EXPECT_EQ(t.world().organisms, organisms) << label;
  }
}

TEST(MutationMode, LabelsWithoutClickHandlingLeaveTheModeOn) {
  ModeGame t;
  t.org(kPlayer).amin = 900000;
  toggleMutationMode(t.game);
  t.controls.clear();
  t.controls.controls = 0;
  for (int label : {1, 2, 6, 10, 18, 29, 0, -3, 99}) onCaptionClick(t.game, label);
  EXPECT_TRUE(t.game.window.mutationMode);
  EXPECT_TRUE(t.lines().empty());
  EXPECT_EQ(t.controls.controls, 0);
}

TEST(MutationMode, LegendLabelMNeverSwitchesTheModeOn) {
  ModeGame t;
  onCaptionClick(t.game, 24);
  EXPECT_FALSE(t.game.window.mutationMode);
  EXPECT_TRUE(t.lines().empty());
}

TEST(MutationMode, TheEndOfTurnAllowsTheNextStep) {
  ModeGame t;
  t.org(kPlayer).amin = 200;
  toggleMutationMode(t.game);
  onCaptionClick(t.game, 12);
  endTurn(t.game);
  toggleMutationMode(t.game);
  onCaptionClick(t.game, 12);
  EXPECT_EQ(t.org(kPlayer).schip, 2);
}

TEST(MutationMode, EndOfTurnIsIgnoredWhileTheModeIsOn) {
  ModeGame t;
  toggleMutationMode(t.game);
  endTurn(t.game);
  EXPECT_EQ(t.world().turn, 0);
}

}  // namespace
}  // namespace klebony
