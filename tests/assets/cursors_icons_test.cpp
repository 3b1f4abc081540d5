// Cursors and icons: sizes, transparency and the cursors' hot spot.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <tuple>

#include "tools/assetgen/png.h"

namespace assetgen {
namespace {

struct Loaded {
  Image img;
  bool rgba = false;
};

Loaded load(const std::string& path) {
  std::ifstream in(std::string(KLEBONY_ASSET_DIR) + "/" + path, std::ios::binary);
  const Bytes bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  auto img = decodePng(bytes);
  if (!img) ADD_FAILURE() << path << " is missing or not a PNG we can read";
  return {img.value_or(Image{}), bytes.size() > 26 && bytes[25] == 6};
}

int opaqueCount(const Image& img) {
  int n = 0;
  for (const Rgba& c : img.pixels) n += c.a != 0;
  return n;
}

TEST(Cursors, AreTwoColourArrowsWithTheTipAtTheTopLeft) {
  for (const char* name : {"CURS", "CURSPOLE", "CURSMIC"}) {
    const Loaded c = load(std::string("cursors/") + name + ".png");
    ASSERT_EQ(c.img.width, 32) << name;
    ASSERT_EQ(c.img.height, 32) << name;
    EXPECT_TRUE(c.rgba) << name;
    std::set<std::tuple<int, int, int>> colours;
    for (const Rgba& p : c.img.pixels) {
      EXPECT_TRUE(p.a == 0 || p.a == 255) << name << ": a cursor pixel is either there or not";
      if (p.a) colours.insert({p.r, p.g, p.b});
    }
    EXPECT_EQ(colours.size(), 2u) << name;
    // The hot spot is (0, 0): the arrow's tip must be there and the shaft run down and right from it.
    EXPECT_EQ(c.img.at(0, 0).a, 255) << name;
    for (int i = 1; i < 10; ++i) {
      EXPECT_EQ(c.img.at(0, i).a, 255) << name << ": the arrow's left edge at y " << i;
      EXPECT_EQ(c.img.at(i, i).a, 255) << name << ": the arrow's diagonal at " << i;
    }
    EXPECT_EQ(c.img.at(1, 0).a, 0) << name << ": nothing left of the tip's row";
    EXPECT_GT(opaqueCount(c.img), 120) << name << ": the sparkles or organisms are missing";
  }
}

TEST(Icons, MenuIconsAre16PixelsWithTransparentSurroundings) {
  for (const char* name : {"menu_open", "menu_save", "menu_exit", "menu_about", "menu_help"}) {
    const Loaded i = load(std::string("icons/") + name + ".png");
    EXPECT_EQ(i.img.width, 16) << name;
    EXPECT_EQ(i.img.height, 16) << name;
    EXPECT_TRUE(i.rgba) << name;
    EXPECT_GT(opaqueCount(i.img), 60) << name;
    EXPECT_LT(opaqueCount(i.img), 256) << name;
  }
}

TEST(Icons, ApplicationIconIsABlueOrganismAtEverySize) {
  for (int size : {16, 32, 48, 64, 128, 256}) {
    const Loaded i = load("icons/klebony-" + std::to_string(size) + ".png");
    ASSERT_EQ(i.img.width, size);
    ASSERT_EQ(i.img.height, size);
    EXPECT_TRUE(i.rgba);
    EXPECT_EQ(i.img.at(0, 0).a, 0) << size;
    EXPECT_EQ(i.img.at(size - 1, size - 1).a, 0) << size;
    double r = 0, g = 0, b = 0;
    int red = 0;
    for (const Rgba& p : i.img.pixels) {
      if (p.a < 128) continue;
      r += p.r;
      g += p.g;
      b += p.b;
      red += p.r > 180 && p.g < 80 && p.b < 80;
    }
    EXPECT_GT(b, 1.5 * r) << size;
    EXPECT_GT(b, 1.2 * g) << size;
    EXPECT_GE(red, size * size / 200 + 1) << size << ": the nucleus";
    EXPECT_GT(opaqueCount(i.img), size * size / 4) << size;
  }
}

}  // namespace
}  // namespace assetgen
