#include "persist_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "rules.h"

namespace klebony::test {

void startNewGame(Game& game, const std::string& playerName, uint64_t seed) {
  game.random.seed(seed);
  game.window.eName = playerName;
  activateGameWindow(game);
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
    o.amin = 1000 * k + 123;
    o.live = 2 + k;
    o.hp = 10 * o.live + 7;  // above full, as after a sabotage of live
    o.reg = k + 1;
    o.speed = 3;
    o.agsize = 40 + k;
    o.sensor = 2 + k;
    o.urschup = 10 - k;
    o.kolschup = 2;
    o.tentacles[1] = {true, 5 + k};
    o.tentacles[19] = {true, 30};
    o.bitv = 11 * k;
    o.schip = 1, o.lezvie = 2, o.kleschni = 3, o.hvost = 4, o.spory = 5;
    o.zschip = 6, o.zlezvie = 7, o.zkleschni = 8, o.zhvost = 9, o.zspory = 10 + k;
  }
  w.organisms[kPlayer].mutated = true;
  w.organisms[kPlayer].captured = true;
  w.organisms[kPlayer].amin = 2000000;  // past the cap, as lost attacks leave a defender
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

bool sameWindow(const WindowState& a, const WindowState& b) {
  return a.mutationMode == b.mutationMode && a.hodEnabled == b.hodEnabled && a.hodCaption == b.hodCaption &&
         a.bmutCaption == b.bmutCaption && a.helpVisible == b.helpVisible && a.hoverX == b.hoverX &&
         a.hoverY == b.hoverY && a.h1 == b.h1 && a.h2 == b.h2 && a.t1 == b.t1 && a.t2 == b.t2 &&
         a.eName == b.eName && a.panel.organism == b.panel.organism && a.panel.label2 == b.panel.label2 &&
         a.panel.values == b.panel.values && a.panel.bold == b.panel.bold;
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
