// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The sprite sheets and the texture as the game loads them from assets/.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <numbers>

#include "tests/assets/committed.h"
#include "tools/assetgen/colour.h"

namespace assetgen {
namespace {

using klebony::Picture;

// The size of one frame of each sheet, as the windows cut them.
struct SheetFrames {
  Picture sheet;
  int frameW, frameH;
};

const SheetFrames kSheets[] = {
    {Picture::OrganismSheet, 12, 12},
    {Picture::MarkerSheet, 12, 12},
    {Picture::HeartSheet, 32, 32},
    {Picture::TwinkleSheet, 7, 7},
};

// Pixels a frame covers, read from its mask.
int coveredCount(const Image& sheet, int fx, int fy, int w, int h) {
  int n = 0;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) n += sheet.at(fx + x, fy + h + y) == kBlack;
  return n;
}

TEST(SpriteSheets, EveryFrameDrawsCleanlyThroughItsMask) {
  for (const klebony::PictureInfo& row : klebony::kPictureTable) {
    if (row.kind != klebony::PictureKind::Sheet) continue;
    const auto known = [&](const SheetFrames& s) { return s.sheet == row.id; };
    EXPECT_TRUE(std::ranges::any_of(kSheets, known)) << row.file << ": its frame size is not known here";
  }
  for (const SheetFrames& s : kSheets) {
    const Image img = committedPicture(s.sheet);
    const char* name = klebony::pictureInfo(s.sheet).file;
    EXPECT_EQ(img.width % s.frameW, 0) << name << ": frames side by side, none cut";
    EXPECT_EQ(img.height % (2 * s.frameH), 0) << name << ": strips of frames over masks";
    for (int fy = 0; fy + 2 * s.frameH <= img.height; fy += 2 * s.frameH)
      for (int fx = 0; fx + s.frameW <= img.width; fx += s.frameW) {
        int covered = 0;
        for (int y = 0; y < s.frameH; ++y)
          for (int x = 0; x < s.frameW; ++x) {
            const Rgba pic = img.at(fx + x, fy + y), mask = img.at(fx + x, fy + s.frameH + y);
            ASSERT_TRUE(mask == kBlack || mask == kWhite) << name << " mask at " << fx + x << "," << fy + y;
            // (target AND mask) OR picture only works if the picture is black where the target shows.
            if (mask == kWhite) {
              EXPECT_EQ(pic, kBlack) << name << " at " << fx + x << "," << fy + y;
            }
            covered += mask == kBlack;
          }
        EXPECT_GT(covered, 0) << name << " frame at " << fx << "," << fy << " is empty";
        EXPECT_LT(covered, s.frameW * s.frameH)
            << name << " frame at " << fx << "," << fy << " hides the cell";
      }
  }
}

TEST(OrganismSheet, AllOrganismsShareSixDifferentShapes) {
  const Image m = committedPicture(Picture::OrganismSheet);
  for (int row = 48; row <= 120; row += 24)
    for (int y = 0; y < 12; ++y)
      for (int x = 0; x < 72; ++x)
        EXPECT_EQ(m.at(x, row + 12 + y), m.at(x, 24 + 12 + y))
            << "mask of row " << row << " at " << x << "," << y;
  // Each frame changes the outline, or the cell would not wriggle.
  for (int row : {0, 24})
    for (int f = 0; f < 6; ++f) {
      const int g = (f + 1) % 6;
      int differing = 0;
      for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 12; ++x)
          differing += !(m.at(f * 12 + x, row + 12 + y) == m.at(g * 12 + x, row + 12 + y));
      EXPECT_GE(differing, 4) << "frames " << f << " and " << g << " of row " << row;
    }
}

TEST(OrganismSheet, EveryFrameHasARedNucleusAndSpikesReachOut) {
  const Image m = committedPicture(Picture::OrganismSheet);
  for (int row = 0; row < 144; row += 24)
    for (int f = 0; f < 6; ++f) {
      int red = 0;
      for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 12; ++x) {
          const Rgba c = m.at(f * 12 + x, row + y);
          red += c.r > 180 && c.g < 70 && c.b < 80;
        }
      EXPECT_GE(red, 2) << "row " << row << " frame " << f;
    }
  // A spiky organism covers much more of its box than its compact body would, a blob does not.
  const int organism = coveredCount(m, 0, 24, 12, 12), blob = coveredCount(m, 0, 0, 12, 12);
  EXPECT_GT(organism, 50);
  EXPECT_LT(organism, 120);
  EXPECT_GT(blob, 40);
}

// The mean colour of what a strip covers, over its six frames.
Lab stripColour(const Image& m, int row, bool deuteranope) {
  double r = 0, g = 0, b = 0;
  int n = 0;
  for (int y = 0; y < 12; ++y)
    for (int x = 0; x < 72; ++x)
      if (m.at(x, row + 12 + y) == kBlack) {
        const Rgba c = deuteranope ? simulateDeuteranopia(m.at(x, row + y)) : m.at(x, row + y);
        r += c.r;
        g += c.g;
        b += c.b;
        ++n;
      }
  return toLab(r / n, g / n, b / n);
}

TEST(OrganismSheet, StripsStayApartForNormalAndDeuteranopicEyes) {
  const Image m = committedPicture(Picture::OrganismSheet);
  for (bool deuteranope : {false, true})
    for (int a = 0; a < 6; ++a)
      for (int b = a + 1; b < 6; ++b) {
        const double d = deltaE(stripColour(m, a * 24, deuteranope), stripColour(m, b * 24, deuteranope));
        EXPECT_GE(d, deuteranope ? 20.0 : 22.0)
            << "rows " << a * 24 << " and " << b * 24 << (deuteranope ? " under deuteranopia" : "");
      }
}

// Regression: Акиус (row 48) was faint on the black fog, and Зеномиус (orange, row 24) and
// Уренус (brown, row 96) were told apart only by a close look.
TEST(OrganismSheet, AkiusStandsOutOnTheFogAndOrangeIsNotBrown) {
  const Image m = committedPicture(Picture::OrganismSheet);
  auto hue = [](const Lab& c) { return std::atan2(c.b, c.a) * 180 / std::numbers::pi; };
  const Lab freeCell = stripColour(m, 0, false), orange = stripColour(m, 24, false),
            akius = stripColour(m, 48, false), brown = stripColour(m, 96, false);
  for (int row = 24; row < 144; row += 24)
    EXPECT_GE(stripColour(m, row, false).L, 45.0) << "row " << row << " is faint on black";
  EXPECT_GE(akius.L, 50.0);
  // Still a dark green: a green hue, and clearly darker than the free cell.
  EXPECT_GT(hue(akius), 110.0);
  EXPECT_LT(hue(akius), 170.0);
  EXPECT_LE(akius.L, freeCell.L - 10);
  // Orange lighter and yellower, brown darker and redder, so they part at a glance.
  EXPECT_GE(orange.L - brown.L, 20.0);
  EXPECT_GE(hue(orange) - hue(brown), 15.0);
}

TEST(DeuteranopiaSimulation, KeepsGreysAndMergesRedWithGreen) {
  for (int v : {0, 60, 128, 200, 255}) {
    const Rgba s = simulateDeuteranopia(rgb(v, v, v));
    EXPECT_NEAR(s.r, v, 2);
    EXPECT_NEAR(s.g, v, 2);
    EXPECT_NEAR(s.b, v, 2);
  }
  auto lab = [](Rgba c) { return toLab(c.r, c.g, c.b); };
  const Rgba red = rgb(200, 60, 40), green = rgb(110, 130, 40), blue = rgb(40, 60, 200),
             yellow = rgb(220, 200, 40);
  EXPECT_LT(deltaE(lab(simulateDeuteranopia(red)), lab(simulateDeuteranopia(green))),
            0.3 * deltaE(lab(red), lab(green)));
  EXPECT_GT(deltaE(lab(simulateDeuteranopia(blue)), lab(simulateDeuteranopia(yellow))),
            0.6 * deltaE(lab(blue), lab(yellow)));
}

TEST(SmallSheets, MarkerIsAHollowSquareWithALighterMiddleFrame) {
  const Image v = committedPicture(Picture::MarkerSheet);
  double brightness[3] = {};
  for (int f = 0; f < 3; ++f) {
    int n = 0;
    for (int y = 0; y < 12; ++y)
      for (int x = 0; x < 12; ++x) {
        const bool border = x == 0 || y == 0 || x == 11 || y == 11;
        const bool covered = v.at(f * 12 + x, 12 + y) == kBlack;
        const bool inside = x >= 2 && y >= 2 && x <= 9 && y <= 9;
        if (inside || border) {
          EXPECT_EQ(covered, border) << "frame " << f << " at " << x << "," << y;
        }
        if (covered) {
          const Rgba c = v.at(f * 12 + x, y);
          brightness[f] += c.r + c.g + c.b;
          ++n;
        }
      }
    brightness[f] /= n;
  }
  EXPECT_GT(brightness[1], brightness[0]);
  EXPECT_GT(brightness[1], brightness[2]);
}

TEST(SmallSheets, HeartIsRedAndBeats) {
  const Image s = committedPicture(Picture::HeartSheet);
  int sizes[4];
  for (int f = 0; f < 4; ++f) {
    sizes[f] = coveredCount(s, f * 32, 0, 32, 32);
    double r = 0, g = 0;
    for (int y = 0; y < 32; ++y)
      for (int x = 0; x < 32; ++x)
        if (s.at(f * 32 + x, 32 + y) == kBlack) {
          r += s.at(f * 32 + x, y).r;
          g += s.at(f * 32 + x, y).g;
        }
    EXPECT_GT(r, 2.5 * g) << "frame " << f;
  }
  EXPECT_GT(*std::max_element(sizes, sizes + 4), *std::min_element(sizes, sizes + 4) * 1.2);
}

TEST(SmallSheets, TwinkleGrowsFromADotToAStarAndBack) {
  const Image z = committedPicture(Picture::TwinkleSheet);
  int sizes[8];
  for (int f = 0; f < 8; ++f) {
    sizes[f] = coveredCount(z, f * 7, 0, 7, 7);
    for (int y = 0; y < 7; ++y)
      for (int x = 0; x < 7; ++x)
        if (z.at(f * 7 + x, 7 + y) == kBlack) {
          const Rgba c = z.at(f * 7 + x, y);
          EXPECT_TRUE(c.b > 150 && c.g > 120 && c.r < c.b)
              << "not cyan: frame " << f << " at " << x << "," << y;
        }
  }
  EXPECT_LE(sizes[0], 2);
  EXPECT_LE(sizes[7], 2);
  for (int f = 0; f < 3; ++f) EXPECT_LT(sizes[f], sizes[f + 1]);
  for (int f = 4; f < 7; ++f) EXPECT_GT(sizes[f], sizes[f + 1]);
}

TEST(Texture, IsPinkRedAndTilesWithoutASeam) {
  const Image t = committedPicture(Picture::TissueTexture);
  ASSERT_EQ(t.width, 100);  // the steps below walk a 100 x 100 tile
  ASSERT_EQ(t.height, 100);
  auto diff = [](Rgba a, Rgba b) { return std::abs(a.r - b.r) + std::abs(a.g - b.g) + std::abs(a.b - b.b); };
  // Mean step between neighbouring columns (rows); the wrap from the last to the first is one more step.
  auto columnStep = [&](int x0, int x1) {
    double s = 0;
    for (int y = 0; y < 100; ++y) s += diff(t.at(x0, y), t.at(x1, y));
    return s / 100;
  };
  auto rowStep = [&](int y0, int y1) {
    double s = 0;
    for (int x = 0; x < 100; ++x) s += diff(t.at(x, y0), t.at(x, y1));
    return s / 100;
  };
  double insideX = 0, insideY = 0, worstX = 0, worstY = 0;
  for (int i = 0; i < 99; ++i) {
    insideX += columnStep(i, i + 1) / 99;
    insideY += rowStep(i, i + 1) / 99;
    worstX = std::max(worstX, columnStep(i, i + 1));
    worstY = std::max(worstY, rowStep(i, i + 1));
  }
  EXPECT_LE(columnStep(99, 0), std::min(worstX, 1.5 * insideX));
  EXPECT_LE(rowStep(99, 0), std::min(worstY, 1.5 * insideY));

  double r = 0, g = 0, b = 0;
  for (const Rgba& c : t.pixels) {
    r += c.r;
    g += c.g;
    b += c.b;
  }
  EXPECT_GT(r, 1.4 * g);
  EXPECT_GT(r, 1.2 * b);
  EXPECT_GT(b, g * 0.9) << "pink, not orange";
}

}  // namespace
}  // namespace assetgen
