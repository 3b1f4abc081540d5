// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The committed assets/ tree, read the way the tests need it.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "media/pictures.h"
#include "tools/assetgen/png.h"

namespace assetgen {

inline Bytes committedFile(const std::string& path) {
  std::ifstream in(std::string(KLEBONY_ASSET_DIR) + "/" + path, std::ios::binary);
  return Bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// An empty image, and a failure, when the file is missing or not a PNG we read.
inline Image committedPicture(const klebony::PictureInfo& row) {
  auto img = decodePng(committedFile(row.file));
  if (!img) ADD_FAILURE() << row.file << " is missing or not a PNG we can read";
  return img.value_or(Image{});
}
inline Image committedPicture(klebony::Picture picture) {
  return committedPicture(klebony::pictureInfo(picture));
}

}  // namespace assetgen
