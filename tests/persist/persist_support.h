// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Helpers for the saved game tests: games in known states, byte surgery on
// files, and comparisons of everything a refused load must leave alone.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/game.h"
#include "tests/core/recorder.h"

namespace klebony::test {

// A new game set up by the game's own code, with a fixed seed.
void startNewGame(Game& game, const std::string& playerName = "Тарвилис", uint64_t seed = 1);
// A game well into play: every stored field away from its new-game value.
void makeRichGame(Game& game);

// A rich game with a recorder attached.
struct Played {
  Game game;
  Recorder rec;
  Played() {
    game.outcomes = &rec;
    makeRichGame(game);
  }
};

// Offset of organism k's block in a file's bytes.
std::size_t blockOffset(std::string_view bytes, int k);
void putI32(std::string& bytes, std::size_t offset, int32_t v);
int32_t getI32(std::string_view bytes, std::size_t offset);

// Everything the window shows: captions, mode, help, hover, status lines, panel.
// Whether two random sources will give the same next draws (queued ones first).
bool sameDraws(const Random& a, const Random& b);

// A fresh empty folder below the test temp folder, removed with its contents on destruction.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  const std::string& path() const { return path_; }
  std::string file(const std::string& name) const { return path_ + "/" + name; }
  std::vector<std::string> entries() const;

 private:
  std::string path_;
};

std::string readBytes(const std::string& path);
void writeBytes(const std::string& path, std::string_view bytes);

}  // namespace klebony::test
