// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Cursors and icons: their ink, transparency and the cursors' hot spot.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <tuple>

#include "tests/assets/committed.h"

namespace assetgen {
namespace {

using klebony::Picture;
using klebony::PictureInfo;
using klebony::PictureKind;

int opaqueCount(const Image& img) {
  int n = 0;
  for (const Rgba& c : img.pixels) n += c.a != 0;
  return n;
}

TEST(Cursors, AreTwoColourArrowsWithTheTipAtTheTopLeft) {
  for (const PictureInfo& row : klebony::kPictureTable) {
    if (row.kind != PictureKind::Cursor) continue;
    const char* name = row.file;
    const Image img = committedPicture(row);
    ASSERT_GE(std::min(img.width, img.height), 10) << name;
    std::set<std::tuple<int, int, int>> colours;
    for (const Rgba& p : img.pixels) {
      EXPECT_TRUE(p.a == 0 || p.a == 255) << name << ": a cursor pixel is either there or not";
      if (p.a) colours.insert({p.r, p.g, p.b});
    }
    EXPECT_EQ(colours.size(), 2u) << name;
    // The hot spot is (0, 0): the arrow's tip must be there and the shaft run down and right from it.
    EXPECT_EQ(img.at(0, 0).a, 255) << name;
    for (int i = 1; i < 10; ++i) {
      EXPECT_EQ(img.at(0, i).a, 255) << name << ": the arrow's left edge at y " << i;
      EXPECT_EQ(img.at(i, i).a, 255) << name << ": the arrow's diagonal at " << i;
    }
    EXPECT_EQ(img.at(1, 0).a, 0) << name << ": nothing left of the tip's row";
    EXPECT_GT(opaqueCount(img), 120) << name << ": the sparkles or organisms are missing";
  }
}

TEST(Icons, MenuIconsAreMostlyOpaqueWithTransparentSurroundings) {
  for (const PictureInfo& row : klebony::kPictureTable) {
    if (row.kind != PictureKind::Icon || row.id == Picture::AppIcon) continue;
    const Image img = committedPicture(row);
    const int area = row.width * row.height;
    EXPECT_GT(opaqueCount(img), area / 4) << row.file;
    EXPECT_LT(opaqueCount(img), area) << row.file;
  }
}

TEST(Icons, ApplicationIconIsABlueOrganismAtEverySize) {
  for (const PictureInfo& row : klebony::kPictureTable) {
    if (row.id != Picture::AppIcon) continue;
    const Image img = committedPicture(row);
    const int size = row.width;
    EXPECT_EQ(img.at(0, 0).a, 0) << size;
    EXPECT_EQ(img.at(size - 1, size - 1).a, 0) << size;
    double r = 0, g = 0, b = 0;
    int red = 0;
    for (const Rgba& p : img.pixels) {
      if (p.a < 128) continue;
      r += p.r;
      g += p.g;
      b += p.b;
      red += p.r > 180 && p.g < 80 && p.b < 80;
    }
    EXPECT_GT(b, 1.5 * r) << size;
    EXPECT_GT(b, 1.2 * g) << size;
    EXPECT_GE(red, size * size / 200 + 1) << size << ": the nucleus";
    EXPECT_GT(opaqueCount(img), size * size / 4) << size;
  }
}

}  // namespace
}  // namespace assetgen
