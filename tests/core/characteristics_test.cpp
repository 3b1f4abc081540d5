// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The characteristics table's own rules: the checks that hold the game's table
// (static_asserts in core) refuse a new organ and defence whose rows disagree.
#include <gtest/gtest.h>

#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "core/battle_fight.h"
#include "core/characteristics.h"

namespace klebony {
namespace {

void setDrawValue(CharacteristicInfo& c, const CharacteristicDraw& draw, int value) {
  const std::string_view name = draw.name;
  if (name == kOpponentMutationDraw.name) c.opponentDraw = value;
  if (name == kDefeatGrowthDraw.name) c.defeatGrowthDraws = {value};
  if (name == kSabotageDraw.name) c.sabotageDraw = value;
}

// The game's table, grown by attack organs and their defences as a new engineer would add them.
struct GrownTable {
  std::vector<CharacteristicInfo> table{kCharacteristicTable.begin(), kCharacteristicTable.end()};
  std::vector<Characteristic> gained{kDefencesGainedWhenBeaten.begin(), kDefencesGainedWhenBeaten.end()};

  int firstFree(const CharacteristicDraw& draw) const {
    for (int v = 0; v < draw.count; ++v)
      if (table_checks::usesOf(table, draw, v) == 0) return v;
    return kNoDraw;
  }
  // An organ that every draw may pick, at the first free values, and its defence.
  CharacteristicInfo& addOrganAndDefence() {
    const auto organ = static_cast<Characteristic>(table.size());
    const auto defence = static_cast<Characteristic>(table.size() + 1);
    CharacteristicInfo row{organ, &Organism::spike, "organ", ""},
        defenceRow{defence, &Organism::acidDefence, "", ""};
    row.battleRole = BattleRole::AttackOrgan;
    row.softenedBy = defence;
    for (const CharacteristicDraw& draw : kCharacteristicDraws) setDrawValue(row, draw, firstFree(draw));
    defenceRow.battleRole = BattleRole::Defence;
    table.push_back(row);
    table.push_back(defenceRow);
    gained.push_back(defence);
    return table[table.size() - 2];
  }
  bool consistent() const {
    bool ok = table_checks::rowsInEnumerationOrder(table) && table_checks::battleRolesMatch(table) &&
              table_checks::everyDefenceCanBeGained(table, gained) &&
              table_checks::attackOrganCount(table) <= kMaxAttackOrgans;
    for (const CharacteristicDraw& draw : kCharacteristicDraws)
      ok = ok && table_checks::drawValuesFit(table, draw);
    return ok;
  }
};

TEST(CharacteristicTable, ANewOrganAndDefenceAtFreeValuesPassTheChecksUpToTheOrganCap) {
  for (const CharacteristicDraw& draw : kCharacteristicDraws) {
    std::cout << draw.name << ", free values of random(" << draw.count << "):";
    for (int v = 0; v < draw.count; ++v)
      std::cout << (isFreeDrawValue(draw, v) ? " " + std::to_string(v) : "");
    std::cout << '\n';
  }
  GrownTable t;
  EXPECT_TRUE(t.consistent());
  while (table_checks::attackOrganCount(t.table) < kMaxAttackOrgans) {
    t.addOrganAndDefence();
    EXPECT_TRUE(t.consistent());
  }
  t.addOrganAndDefence();
  EXPECT_FALSE(t.consistent()) << "one organ more than the rounds allow";
}

TEST(CharacteristicTable, ChecksRefuseATakenDrawValueAndAnOrganWithoutItsDefence) {
  for (const CharacteristicDraw& draw : kCharacteristicDraws)
    for (int v = 0; v < draw.count; ++v) {
      if (isFreeDrawValue(draw, v)) continue;
      GrownTable t;
      setDrawValue(t.addOrganAndDefence(), draw, v);
      EXPECT_FALSE(t.consistent()) << draw.name << " " << v << ", taken or reserved";
    }
  GrownTable noDefence, notGained, unnamed;
  noDefence.addOrganAndDefence();
  noDefence.table.pop_back();
  noDefence.gained.pop_back();
  notGained.addOrganAndDefence();
  notGained.gained.pop_back();
  unnamed.addOrganAndDefence().softenedBy = std::nullopt;
  for (const GrownTable* t : {&noDefence, &notGained, &unnamed}) EXPECT_FALSE(t->consistent());
}

}  // namespace
}  // namespace klebony
