// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The whole assets tree, and the review pictures made from it.
#include <filesystem>
#include <string>
#include <vector>

#include "tools/assetgen/png.h"

namespace assetgen {

struct AssetFile {
  std::string path;  // relative to the assets folder
  Bytes bytes;
};

std::vector<AssetFile> allAssets();
void writeAssets(const std::filesystem::path& dir);

// Every frame enlarged on black and on the tissue, the cursors and the icons.
Bytes contactSheet();
// A 432 x 432 board crowded with cells of every owner, as the game draws it.
Bytes boardPreview(bool deuteranopia);

}  // namespace assetgen
