// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "persist/replace_check.h"

#include <unistd.h>

#include <gtest/gtest.h>

#include "persist/savefile.h"
#include "tests/persist/persist_support.h"

namespace klebony {
namespace {

// Catches a save that replaces a player's document without asking, and a
// question before replacing the player's own save.
TEST(SaveReplaceCheck, OnlyARegularFileTheLoaderRefusesCountsAsAnotherFile) {
  test::TempFolder folder;
  Game game;
  test::startNewGame(game);
  const std::string save = *encodeSave(game.world);
  std::string damaged = save;
  damaged.pop_back();

  struct Case {
    const char* name;
    std::string bytes;
    bool savedGame;
  };
  const Case cases[] = {{"game.klb", save, true},
                        {"notes.txt", "купить хлеба\n", false},
                        {"empty.klb", "", false},
                        {"damaged.klb", damaged, false}};
  for (const Case& c : cases) {
    const std::string path = folder.file(c.name);
    test::writeBytes(path, c.bytes);
    EXPECT_EQ(holdsSavedGame(path), c.savedGame) << c.name;
    EXPECT_EQ(saveReplacesOtherFile(path), !c.savedGame) << c.name;
    EXPECT_EQ(test::readBytes(path), c.bytes) << c.name << " was changed by looking";
  }

  // A link is followed to its file.
  ASSERT_EQ(::symlink(folder.file("notes.txt").c_str(), folder.file("link").c_str()), 0);
  EXPECT_TRUE(saveReplacesOtherFile(folder.file("link")));
  // Nothing there, or nothing a save would replace, asks nothing.
  EXPECT_FALSE(saveReplacesOtherFile(folder.file("new.klb")));
  EXPECT_FALSE(saveReplacesOtherFile(folder.path()));
  EXPECT_FALSE(saveReplacesOtherFile(""));
}

}  // namespace
}  // namespace klebony
