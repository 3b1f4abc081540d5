// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "persist/savefile.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <string_view>

#include "core/mutation.h"
#include "core/rules.h"
#include "tests/persist/persist_support.h"

namespace klebony {
namespace {

using test::blockOffset;
using test::getI32;
using test::putI32;

std::string saveBytes(const World& world) {
  auto bytes = encodeSave(world);
  EXPECT_TRUE(bytes.has_value());
  return bytes.value_or(std::string());
}

TEST(SaveLayout, NewGameWithEightLetterNameIs6525BytesWithBlocksWhereExpected) {
  Game game;
  test::startNewGame(game, "Тарвилис");
  const std::string bytes = saveBytes(game.world);
  ASSERT_EQ(bytes.size(), 6525u);
  EXPECT_EQ(blockOffset(bytes, 0), 5184u);
  EXPECT_EQ(blockOffset(bytes, 1), 5453u);
  EXPECT_EQ(blockOffset(bytes, 2), 5719u);
  EXPECT_EQ(blockOffset(bytes, 3), 5986u);
  EXPECT_EQ(blockOffset(bytes, 4), 6252u);
  EXPECT_EQ(getI32(bytes, 6252 + 4), 9);  // eight letters and the zero
  EXPECT_EQ(getI32(bytes, 6521), 0);      // turn, last
}

TEST(SaveLayout, EmptyPlayerNameGives6517BytesAndNameLengthOne) {
  Game game;
  test::startNewGame(game, "");
  const std::string bytes = saveBytes(game.world);
  ASSERT_EQ(bytes.size(), 6517u);
  EXPECT_EQ(getI32(bytes, 6252 + 4), 1);
  EXPECT_EQ(bytes[6252 + 8], '\0');
}

TEST(SaveLayout, AkiusBlockAfterNewGameIsTheKnown266Bytes) {
  Game game;
  test::startNewGame(game);
  const std::string bytes = saveBytes(game.world);
  std::string expected;
  auto i32 = [&](uint32_t v) {
    for (int i = 0; i < 4; ++i) expected += static_cast<char>((v >> (8 * i)) & 0xFF);
  };
  i32(1);
  i32(6);
  expected += std::string("\xC0\xEA\xE8\xF3\xF1\x00", 6);
  for (uint32_t v : {0, 0, 10, 1, 0, 1, 1, 1, 0, 1, 0, 0}) i32(v);
  expected += std::string(160 + 44, '\0');
  ASSERT_EQ(expected.size(), 266u);
  EXPECT_EQ(bytes.substr(5453, 266), expected);
}

TEST(SaveLayout, BoardIsColumnOuterRowInner) {
  Game game;
  test::startNewGame(game);
  game.world.cell(3, 7).owner = 2;
  game.world.cell(7, 3).owner = 1;
  const std::string bytes = saveBytes(game.world);
  EXPECT_EQ(getI32(bytes, 4 * (36 * 3 + 7)), 2);
  EXPECT_EQ(getI32(bytes, 4 * (36 * 7 + 3)), 1);
}

TEST(SaveLayout, NamesThatTheCodePageCannotHoldAreNotWritten) {
  Game game;
  test::startNewGame(game);
  for (const std::string& name : {std::string("Zoë"), std::string("a\0b", 3), std::string(256, 'x')}) {
    game.world.organisms[kPlayer].name = name;
    EXPECT_FALSE(encodeSave(game.world).has_value());
  }
  game.world.organisms[kPlayer].name = std::string(255, 'x');
  EXPECT_TRUE(encodeSave(game.world).has_value());
}

TEST(SaveRoundTrip, RestoresEveryStoredFieldAndRebuildsWhatIsNotStored) {
  Game saved;
  test::makeRichGame(saved);
  const std::string bytes = saveBytes(saved.world);

  Game loaded;
  test::startNewGame(loaded, "Другой", 99);
  loaded.world.gameReady = false;  // a load leaves it as it finds it
  ASSERT_TRUE(loadGameFromBytes(loaded.world, loaded.random, bytes));

  EXPECT_EQ(loaded.world.organisms, saved.world.organisms);
  EXPECT_EQ(loaded.world.turn, 1234);
  EXPECT_FALSE(loaded.world.gameReady);
  for (int x = 0; x < kBoardSize; ++x)
    for (int y = 0; y < kBoardSize; ++y) {
      const Cell& c = loaded.world.cell(x, y);
      ASSERT_EQ(c.owner, saved.world.cell(x, y).owner);
      EXPECT_EQ(c.strip, stripRow(c.owner));
      EXPECT_EQ(c.px, 12 * x);
      EXPECT_EQ(c.py, 12 * y);
      // The player's sight from the loaded cells, sensor 6.
      EXPECT_EQ(c.visible, saved.world.cell(x, y).visible) << x << "," << y;
    }
  EXPECT_EQ(encodeSave(loaded.world), bytes);
}

TEST(SaveRoundTrip, BoardResetDrawsFrameThenAnimationStepPerCellColumnOuter) {
  Game saved;
  test::startNewGame(saved);
  const std::string bytes = saveBytes(saved.world);

  Game loaded;  // cells at period 0: every step advances a frame
  // Cell (0,0): frame 5 wraps and draws its period; then 0 for all the rest.
  loaded.random.queue(5);
  loaded.random.queue(1999);
  for (int i = 1; i < kBoardSize * kBoardSize; ++i) loaded.random.queue(i == 1 ? 3 : 0);
  ASSERT_TRUE(loadGameFromBytes(loaded.world, loaded.random, bytes));
  EXPECT_EQ(loaded.random.queued(), 0u);
  EXPECT_EQ(loaded.world.cell(0, 0).frame, 0);
  EXPECT_EQ(loaded.world.cell(0, 0).period, 3299);
  EXPECT_EQ(loaded.world.cell(0, 1).frame, 4);  // second draw is (0,1): y inner
  EXPECT_EQ(loaded.world.cell(1, 0).frame, 1);
}

// Applies one change to a sound file; the load must refuse it.
struct Damage {
  const char* what;
  std::function<void(std::string&)> apply;
};

// Offset of a field in organism k's block, after its name.
std::size_t field(const std::string& b, int k, std::size_t afterName) {
  const std::size_t at = blockOffset(b, k);
  return at + 8 + static_cast<std::size_t>(getI32(b, at + 4)) + afterName;
}

// Offset of a field after the name, as the record's fields follow each other
// in the file (kOrganismFields).
std::size_t afterName(std::string_view shortName) {
  std::size_t at = 0;
  bool pastName = false;
  for (const OrganismField& f : kOrganismFields) {
    if (f.shortName == shortName) break;
    if (pastName) at += f.kind == FieldKind::TentacleSlots ? 8 * kTentacleSlots : 4;
    pastName = pastName || f.kind == FieldKind::Name;
  }
  return at;
}

const std::size_t mutated = afterName("mutated"), amin = afterName("amin"), hp = afterName("hp"),
                  size = afterName("size"), captured = afterName("captured"),
                  kolschup = afterName("kolschup"), slot0 = afterName("tentacles"), bitv = afterName("bitv");

std::vector<Damage> damages() {
  std::vector<Damage> d = {
      {"empty file", [](std::string& b) { b.clear(); }},
      {"one byte short", [](std::string& b) { b.pop_back(); }},
      {"one byte too many", [](std::string& b) { b.push_back('\0'); }},
      {"a whole organism missing",
       [](std::string& b) { b.erase(blockOffset(b, 4), b.size() - blockOffset(b, 4)); }},
      {"owner 6", [](std::string& b) { putI32(b, 4 * 100, 6); }},
      {"owner -1", [](std::string& b) { putI32(b, 4 * 100, -1); }},
      {"nameLength 0", [](std::string& b) { putI32(b, blockOffset(b, 2) + 4, 0); }},
      {"nameLength 257", [](std::string& b) { putI32(b, blockOffset(b, 2) + 4, 257); }},
      {"nameLength huge", [](std::string& b) { putI32(b, blockOffset(b, 4) + 4, 0x7FFFFFFF); }},
      {"nameLength negative", [](std::string& b) { putI32(b, blockOffset(b, 4) + 4, -5); }},
      {"name without its zero", [](std::string& b) { b[field(b, 1, 0) - 1] = 'x'; }},
      {"zero inside the name", [](std::string& b) { b[blockOffset(b, 1) + 9] = '\0'; }},
      {"unassigned byte 0x98 in a name", [](std::string& b) { b[blockOffset(b, 1) + 9] = '\x98'; }},
      {"alive 2", [](std::string& b) { putI32(b, blockOffset(b, 0), 2); }},
      {"captured -1", [](std::string& b) { putI32(b, field(b, 4, captured), -1); }},
      {"active 2", [](std::string& b) { putI32(b, field(b, 4, slot0), 2); }},
      {"mutated set for a computer organism", [](std::string& b) { putI32(b, field(b, 2, mutated), 1); }},
      {"captured set for a computer organism", [](std::string& b) { putI32(b, field(b, 0, captured), 1); }},
      {"amin -1", [](std::string& b) { putI32(b, field(b, 4, amin), -1); }},
      {"hp 9", [](std::string& b) { putI32(b, field(b, 4, hp), 9); }},
      {"size above the cells owned", [](std::string& b) { putI32(b, field(b, 4, size), 2); }},
      {"size below the cells owned", [](std::string& b) { putI32(b, field(b, 0, size), 0); }},
      {"kolschup without an active slot", [](std::string& b) { putI32(b, field(b, 4, kolschup), 1); }},
      {"active slot not counted", [](std::string& b) { putI32(b, field(b, 4, slot0), 1); }},
      {"travel -1", [](std::string& b) { putI32(b, field(b, 4, slot0 + 4 + 8 * 7), -1); }},
      {"turn -1", [](std::string& b) { putI32(b, b.size() - 4, -1); }},
      {"alive without a cell",
       [](std::string& b) {
         // Organism 1's only cell becomes free; its record still says alive, size 1.
         for (std::size_t c = 0; c < 1296; ++c)
           if (getI32(b, 4 * c) == 1) putI32(b, 4 * c, kFree);
         putI32(b, field(b, 1, size), 0);
       }},
      {"not alive but owning a cell", [](std::string& b) { putI32(b, blockOffset(b, 2), 0); }},
      // Decided games, each record consistent with its board: the game would play on for ever.
      {"the player defeated: its cell taken by organism 0",
       [](std::string& b) {
         for (std::size_t c = 0; c < 1296; ++c)
           if (getI32(b, 4 * c) == kPlayer) putI32(b, 4 * c, 0);
         putI32(b, field(b, 0, size), 2);
         putI32(b, field(b, 4, size), 0);
         putI32(b, blockOffset(b, 4), 0);
       }},
      {"no computer organism alive",
       [](std::string& b) {
         for (std::size_t c = 0; c < 1296; ++c)
           if (getI32(b, 4 * c) < kOpponentCount) putI32(b, 4 * c, kFree);
         for (int k = 0; k < kOpponentCount; ++k) {
           putI32(b, field(b, k, size), 0);
           putI32(b, blockOffset(b, k), 0);
         }
       }},
  };
  d.push_back({"bitv -1", [](std::string& b) { putI32(b, field(b, 3, bitv), -1); }});
  // Each stored characteristic just below its lowest level and just above its limit.
  for (const CharacteristicInfo& c : kCharacteristicTable) {
    if (!organismField(c.level)) continue;
    const std::size_t at = afterName(organismField(c.level)->shortName);
    d.push_back({c.name, [=](std::string& b) { putI32(b, field(b, 3, at), lowestLevel(c.id) - 1); }});
    if (c.limit != kNoLimit)
      d.push_back({c.name, [=](std::string& b) { putI32(b, field(b, 4, at), c.limit + 1); }});
  }
  return d;
}

TEST(SaveRefusal, DamagedFilesLeaveTheGameAndTheRandomSourceExactlyAsTheyWere) {
  Game source;
  test::startNewGame(source, "Тарвилис", 5);
  const std::string good = saveBytes(source.world);

  Game game;
  test::makeRichGame(game);
  game.random.queue(3);
  ASSERT_TRUE(decodeSave(good).has_value());
  for (const Damage& damage : damages()) {
    std::string bad = good;
    damage.apply(bad);
    ASSERT_NE(bad, good) << damage.what;
    const World before = game.world;
    const Random randomBefore = game.random;
    EXPECT_FALSE(loadGameFromBytes(game.world, game.random, bad)) << damage.what;
    EXPECT_TRUE(game.world == before) << damage.what;
    EXPECT_TRUE(test::sameDraws(game.random, randomBefore)) << damage.what;
  }
}

TEST(SaveAcceptance, ValuesThatPlayCanReachLoadBack) {
  Game game;
  test::startNewGame(game);
  Organism& p = game.world.organisms[kPlayer];
  p.aminoAcids = std::numeric_limits<int32_t>::max();  // lost attacks pay a defender beyond the cap
  p.hp = 990;                                          // live lowered by sabotage keeps hp
  p.vitality = 2;
  p.aggression = 5000;  // mutation goes past 1301
  p.sensors = 0;        // sabotage floor
  p.tentacleLevel = 10;
  p.tentacleCount = kTentacleSlots;
  for (auto& t : p.tentacles) t = {true, 1000000};  // travel grows once nobody is left to hit
  p.name = std::string(255, 'z');
  game.world.turn = std::numeric_limits<int32_t>::max() - 1;
  const std::string bytes = saveBytes(game.world);
  EXPECT_EQ(getI32(bytes, blockOffset(bytes, 4) + 4), 256);
  Game loaded;
  ASSERT_TRUE(loadGameFromBytes(loaded.world, loaded.random, bytes));
  EXPECT_EQ(loaded.world.organisms, game.world.organisms);
}

bool decided(const World& world) {
  bool opponentAlive = false;
  for (int k = 0; k < kOpponentCount; ++k) opponentAlive = opponentAlive || world.organisms[k].alive;
  return !world.organisms[kPlayer].alive || !opponentAlive;
}

// Catches accepted ranges narrower than what the rules really produce.
TEST(SaveAcceptance, EveryMomentOfPlayedGamesSavesAndLoadsBack) {
  for (uint64_t seed : {1, 2, 3}) {
    Game game;
    test::startNewGame(game, "Игрок", seed);
    // The moment that decides the game ends it: that world is refused.
    auto check = [&](const char* when, int t) {
      const auto bytes = encodeSave(game.world);
      ASSERT_TRUE(bytes.has_value()) << when << " turn " << t << " seed " << seed;
      ASSERT_EQ(decodeSave(*bytes).has_value(), !decided(game.world))
          << when << " turn " << t << " seed " << seed;
    };
    for (int t = 0; t < 250 && !decided(game.world); ++t) {
      // Reach for every visible neighbour cell, enemies included: lost attacks pay the defender.
      for (int x = 0; x < kBoardSize && !decided(game.world); ++x)
        for (int y = 0; y < kBoardSize && !decided(game.world); ++y)
          if (game.world.cell(x, y).visible && game.world.cell(x, y).owner != kPlayer &&
              touchesOwner(game.world, x, y, kPlayer)) {
            reachForCell(game, x, y);
            check("after a click", t);
          }
      playerMutate(game, kCharacteristics[(t * 7) % kCharacteristicCount]);
      check("after a mutation", t);
      endTurn(game);
      check("after the end of turn", t);
    }
  }
}

}  // namespace
}  // namespace klebony
