// Two-colour cursors (black and white over transparency), tip at (0, 0).
#include "art.h"

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

const std::vector<std::string> kSpikyBall = {
    "......B......", "..B...B...B..", "...B.BBB.B...", "....BWWWB....", "...BWWWWWB...",
    ".BBWWWWWWWBB.", "BBBWWBBWWWBBB", ".BBWWBBWWWBB.", "...BWWWWWB...", "....BWWWB....",
    "...B.BBB.B...", "..B...B...B..", "......B......",
};
const std::vector<std::string> kSmallBall = {
    "....B....", ".B..B..B.", "..BBBBB..", "..BWWWB..", "BBBWBWBBB",
    "..BWWWB..", "..BBBBB..", ".B..B..B.", "....B....",
};

const std::vector<std::string> kRing = {
    "..BBB..", ".BWWWB.", "BWBBBWB", "BWB.BWB", "BWBBBWB", ".BWWWB.", "..BBB..",
};

Image stamp(Image base, const std::vector<std::string>& art, int x, int y) {
  blit(base, fromAscii(art, kInk), x, y);
  return base;
}

}  // namespace

Image cursorArrow() {
  Image c(32, 32);
  c = stamp(c, kArrow, 0, 0);
  c = stamp(c, kSparkle, 16, 2);
  c = stamp(c, kSmallSparkle, 14, 20);
  c = stamp(c, kSmallSparkle, 24, 13);
  return c;
}

Image cursorOrganisms() {
  Image c(32, 32);
  c = stamp(c, kArrow, 0, 0);
  c = stamp(c, kSpikyBall, 14, 12);
  c = stamp(c, kSmallBall, 20, 1);
  c = stamp(c, kSmallBall, 3, 21);
  return c;
}

Image cursorRing() {
  Image c(32, 32);
  c = stamp(c, kArrow, 0, 0);
  c = stamp(c, kRing, 13, 15);
  c = stamp(c, kSmallSparkle, 17, 3);
  c = stamp(c, kSmallSparkle, 24, 21);
  return c;
}

}  // namespace assetgen
