// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The game's tables of sounds and pictures against the committed files: each
// row is a file of its kind and size, and assets/ holds nothing else. (The
// generator test checks that the generator makes exactly assets/.)
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

#include "core/sounds.h"
#include "tests/assets/committed.h"
#include "tools/assetgen/wav.h"

namespace assetgen {
namespace {

namespace fs = std::filesystem;

TEST(Families, AssetsHoldExactlyTheFilesTheTablesName) {
  std::set<std::string> named, committed;
  for (const klebony::PictureInfo& row : klebony::kPictureTable) named.insert(row.file);
  for (const klebony::SoundInfo& row : klebony::kSoundTable) named.insert(row.file);
  EXPECT_EQ(named.size(), klebony::kPictureTable.size() + klebony::kSoundTable.size())
      << "two rows, one file";
  for (const auto& e : fs::recursive_directory_iterator(KLEBONY_ASSET_DIR))
    if (e.is_regular_file()) committed.insert(fs::relative(e.path(), KLEBONY_ASSET_DIR).generic_string());
  EXPECT_EQ(committed, named);
}

TEST(Families, EveryPictureHasItsSizeAndKeepsTransparencyOnlyWhereItsKindDoes) {
  for (const klebony::PictureInfo& row : klebony::kPictureTable) {
    const Bytes bytes = committedFile(row.file);
    const auto img = decodePng(bytes);
    ASSERT_TRUE(img) << row.file;
    EXPECT_EQ(img->width, row.width) << row.file;
    EXPECT_EQ(img->height, row.height) << row.file;
    ASSERT_GT(bytes.size(), 26u) << row.file;
    EXPECT_EQ(bytes[25], klebony::storedWithAlpha(row.kind) ? 6 : 2)
        << row.file << ": the header's colour type";
  }
}

TEST(Families, EverySoundIsAPlainMono16BitPcmFile) {
  for (const klebony::SoundInfo& row : klebony::kSoundTable) {
    const Bytes file = committedFile(row.file);
    ASSERT_GT(file.size(), 44u) << row.file;
    // The canonical 44-byte header: what every player, however simple, reads.
    EXPECT_EQ(std::string(file.begin(), file.begin() + 4), "RIFF") << row.file;
    EXPECT_EQ(std::string(file.begin() + 8, file.begin() + 16), "WAVEfmt ") << row.file;
    EXPECT_EQ(std::string(file.begin() + 36, file.begin() + 40), "data") << row.file;
    const auto pcm = decodeWav(file);
    ASSERT_TRUE(pcm) << row.file;
    EXPECT_EQ(pcm->channels, 1) << row.file;
    EXPECT_EQ(pcm->bitsPerSample, 16) << row.file;
    EXPECT_GE(pcm->sampleRate, 11025) << row.file;
  }
}

}  // namespace
}  // namespace assetgen
