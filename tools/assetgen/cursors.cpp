// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Two-colour cursors (black and white over transparency), tip at (0, 0).
#include "tools/assetgen/art.h"

namespace assetgen {

namespace {

const std::vector<PaletteEntry> kInk = {{'B', kBlack}, {'W', kWhite}};

const std::vector<std::string> kArrow = {
    "B...........", "BB..........", "BWB.........", "BWWB........", "BWWWB.......",
    "BWWWWB......", "BWWWWWB.....", "BWWWWWWB....", "BWWWWWWWB...", "BWWWWWWWWB..",
    "BWWWWWWWWWB.", "BWWWWWWBBBBB", "BWWWBWWB....", "BWWBBWWB....", "BWB..BWWB...",
    "BB...BWWB...", "B.....BWWB..", "......BWWB..", ".......BB...",
};

const std::vector<std::string> kSparkle = {
    "...B...", "..BWB..", ".BBWBB.", "BWWWWWB", ".BBWBB.", "..BWB..", "...B...",
};
const std::vector<std::string> kSmallSparkle = {"..B..", ".BWB.", "BWWWB", ".BWB.", "..B.."};

const std::vector<std::string> kRing = {
    "..BBB..", ".BWWWB.", "BWBBBWB", "BWB.BWB", "BWBBBWB", ".BWWWB.", "..BBB..",
};

// A board organism in cursor ink: black outline, spikes and nucleus, white flesh.
Image inkOrganism(const std::vector<std::string>& shape) {
  const int w = static_cast<int>(shape[0].size()), h = static_cast<int>(shape.size());
  auto body = [&](int x, int y) {
    return x >= 0 && y >= 0 && x < w && y < h && shape[y][x] != '.' && shape[y][x] != '+';
  };
  Image img(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const char c = shape[y][x];
      if (c == '.') continue;
      const bool edge = !body(x - 1, y) || !body(x + 1, y) || !body(x, y - 1) || !body(x, y + 1);
      img.at(x, y) = c == '#' && !edge ? kWhite : kBlack;
    }
  return img;
}

Image stamp(Image base, const std::vector<std::string>& art, int x, int y) {
  blit(base, fromAscii(art, kInk), x, y);
  return base;
}

struct Mark {
  const std::vector<std::string>* art;
  int x, y;
};

// The arrow with its hot spot at the top-left pixel, and marks around it.
Image arrowWith(std::initializer_list<Mark> marks) {
  Image c(32, 32);
  c = stamp(c, kArrow, 0, 0);
  for (const Mark& m : marks) c = stamp(c, *m.art, m.x, m.y);
  return c;
}

}  // namespace

Image cursorArrow() {
  return arrowWith({{&kSparkle, 16, 2}, {&kSmallSparkle, 14, 20}, {&kSmallSparkle, 24, 13}});
}

Image cursorOrganisms() {
  Image c = arrowWith({});
  blit(c, inkOrganism(organismShape(3)), 19, 2);
  blit(c, inkOrganism(organismShape(0)), 12, 16);
  blit(c, inkOrganism(organismShape(2)), 0, 20);
  return c;
}

Image cursorRing() {
  return arrowWith({{&kRing, 13, 15}, {&kSmallSparkle, 17, 3}, {&kSmallSparkle, 24, 21}});
}

}  // namespace assetgen
