// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/persist/persist_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "core/rules.h"

namespace klebony::test {

void startNewGame(Game& game, const std::string& playerName, uint64_t seed) {
  game.random.seed(seed);
  game.window.playerName = playerName;
  enterGame(game);
}

void makeRichGame(Game& game) {
  startNewGame(game, "Ёжик №1");
  World& w = game.world;
  // Give the player a strip of cells and take opponent 3 off the board.
  for (int x = 0; x < kBoardSize; ++x)
    for (int y = 0; y < kBoardSize; ++y) {
      Cell& c = w.cell(x, y);
      if (c.owner == 3) c.owner = kFree;
      if (c.owner == kFree && x >= 10 && x < 14 && y == 20) c.owner = kPlayer;
      assignStrip(w, x, y, c.owner);
    }
  int owned[kOrganismCount] = {};
  for (int x = 0; x < kBoardSize; ++x)
    for (int y = 0; y < kBoardSize; ++y)
      if (w.cell(x, y).owner < kOrganismCount) ++owned[w.cell(x, y).owner];
  for (int k = 0; k < kOrganismCount; ++k) {
    Organism& o = w.organisms[k];
    o.size = owned[k];
    o.alive = owned[k] > 0;
    o.aminoAcids = 1000 * k + 123;
    o.vitality = 2 + k;
    o.hp = 10 * o.vitality + 7;  // above full, as after a sabotage of live
    o.regeneration = k + 1;
    o.mobility = 3;
    o.aggression = 40 + k;
    o.sensors = 2 + k;
    o.tentacleLevel = 10 - k;
    o.tentacleCount = 2;
    o.tentacles[1] = {true, 5 + k};
    o.tentacles[19] = {true, 30};
    o.battlesWon = 11 * k;
    o.spike = 1, o.blades = 2, o.claws = 3, o.tail = 4, o.spores = 5;
    o.piercingDefence = 6, o.cuttingDefence = 7, o.choppingDefence = 8, o.chokingDefence = 9,
    o.acidDefence = 10 + k;
  }
  w.organisms[kPlayer].mutated = true;
  w.organisms[kPlayer].captured = true;
  w.organisms[kPlayer].aminoAcids = 2000000;  // past the cap, as lost attacks leave a defender
  w.turn = 1234;
  recomputeVisibility(w);
}

std::size_t blockOffset(std::string_view bytes, int k) {
  std::size_t at = 4 * kBoardSize * kBoardSize;
  for (int i = 0; i < k; ++i) at += 260 + static_cast<std::size_t>(getI32(bytes, at + 4));
  return at;
}

void putI32(std::string& bytes, std::size_t offset, int32_t v) {
  const auto u = static_cast<uint32_t>(v);
  for (int i = 0; i < 4; ++i) bytes.at(offset + i) = static_cast<char>((u >> (8 * i)) & 0xFF);
}

int32_t getI32(std::string_view bytes, std::size_t offset) {
  uint32_t u = 0;
  for (int i = 0; i < 4; ++i) u |= uint32_t{static_cast<unsigned char>(bytes.at(offset + i))} << (8 * i);
  return static_cast<int32_t>(u);
}

bool sameDraws(const Random& a, const Random& b) {
  Random p = a;
  Random q = b;
  if (p.queued() != q.queued()) return false;
  for (int i = 0; i < 64 + static_cast<int>(p.queued()); ++i)
    if (p(1000003) != q(1000003)) return false;
  return true;
}

TempFolder::TempFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "klebony-persist-XXXXXX").string();
  if (!::mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
  path_ = pattern;
}

TempFolder::~TempFolder() {
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}

std::vector<std::string> TempFolder::entries() const {
  std::vector<std::string> names;
  for (const auto& e : std::filesystem::directory_iterator(path_))
    names.push_back(e.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

std::string readBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeBytes(const std::string& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace klebony::test
