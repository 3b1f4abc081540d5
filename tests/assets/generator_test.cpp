// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The generator itself: its file formats, and that it reproduces the committed tree.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

#include "tools/assetgen/art.h"
#include "tools/assetgen/generate.h"
#include "tools/assetgen/wav.h"

namespace assetgen {
namespace {

namespace fs = std::filesystem;

Bytes readFile(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return Bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(PngCodec, RoundTripsThroughZlibForEveryKindOfContent) {
  Noise noise(5);
  // Noise defeats the matcher, flat runs need the longest matches, a 300-pixel period needs far distances.
  for (PngKind kind : {PngKind::Rgb, PngKind::Rgba})
    for (int pattern = 0; pattern < 3; ++pattern) {
      Image img(301, 120);
      for (int y = 0; y < img.height; ++y)
        for (int x = 0; x < img.width; ++x) {
          const auto v = static_cast<std::uint8_t>(noise.below(256));
          img.at(x, y) = pattern == 0   ? Rgba{v, static_cast<std::uint8_t>(v ^ 0x5A), 3, 255}
                         : pattern == 1 ? rgb(x < 200 ? 10 : 250, 20, 30)
                                        : rgb((x * 7) % 256, (y * 3) % 256, x % 3 ? 0 : 200);
          if (kind == PngKind::Rgb) img.at(x, y).a = 255;
        }
      const auto back = decodePng(encodePng(img, kind));
      ASSERT_TRUE(back) << "pattern " << pattern;
      EXPECT_EQ(back->pixels, img.pixels) << "pattern " << pattern;
    }
}

TEST(PngCodec, RejectsADamagedFile) {
  Bytes png = encodePng(Image(4, 4, kWhite), PngKind::Rgb);
  png[40] ^= 0x10;
  EXPECT_FALSE(decodePng(png));
  EXPECT_FALSE(decodePng(Bytes(png.begin(), png.begin() + 30)));
}

TEST(WavCodec, RoundTripsSamples) {
  Pcm pcm;
  pcm.samples = {0, 1, -1, 32767, -32768, 1234};
  const auto back = decodeWav(encodeWav(pcm));
  ASSERT_TRUE(back);
  EXPECT_EQ(back->samples, pcm.samples);
  EXPECT_EQ(back->sampleRate, kSampleRate);
}

TEST(Generator, ReproducesTheCommittedAssetsByteForByte) {
  const fs::path out = fs::temp_directory_path() / ("klebony-assets-" + std::to_string(::getpid()));
  fs::remove_all(out);
  writeAssets(out);
  std::set<std::string> made, committed;
  for (const auto& e : fs::recursive_directory_iterator(out))
    if (e.is_regular_file()) made.insert(fs::relative(e.path(), out).generic_string());
  for (const auto& e : fs::recursive_directory_iterator(KLEBONY_ASSET_DIR))
    if (e.is_regular_file()) committed.insert(fs::relative(e.path(), KLEBONY_ASSET_DIR).generic_string());
  EXPECT_EQ(made, committed) << "the generator and assets/ name different files";
  for (const std::string& f : made) {
    if (!committed.count(f)) continue;
    EXPECT_TRUE(readFile(out / f) == readFile(fs::path(KLEBONY_ASSET_DIR) / f))
        << f << " differs from what the generator makes: regenerate and commit";
  }
  fs::remove_all(out);
}

TEST(Generator, ReviewPicturesDecode) {
  const auto sheet = decodePng(contactSheet());
  ASSERT_TRUE(sheet);
  EXPECT_GT(sheet->width, 500);
  const auto board = decodePng(boardPreview(true));
  ASSERT_TRUE(board);
  EXPECT_EQ(board->width, 432);
  EXPECT_EQ(board->height, 432);
}

}  // namespace
}  // namespace assetgen
