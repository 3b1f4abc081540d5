// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
// klebony-assetgen OUTDIR                 writes the whole assets tree
// klebony-assetgen --contact-sheet FILE   every picture enlarged, for review
// klebony-assetgen --board FILE [--deuteranopia]   a crowded board, as seen normally or by a deuteranope
#include <cstring>
#include <fstream>
#include <iostream>

#include "tools/assetgen/generate.h"

namespace {

int save(const char* file, const assetgen::Bytes& bytes) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!out) {
    std::cerr << "cannot write " << file << "\n";
    return 1;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  try {
    if (argc == 3 && std::strcmp(argv[1], "--contact-sheet") == 0)
      return save(argv[2], assetgen::contactSheet());
    if ((argc == 3 || argc == 4) && std::strcmp(argv[1], "--board") == 0) {
      const bool deutan = argc == 4 && std::strcmp(argv[3], "--deuteranopia") == 0;
      return save(argv[2], assetgen::boardPreview(deutan));
    }
    if (argc == 2 && argv[1][0] != '-') {
      assetgen::writeAssets(argv[1]);
      return 0;
    }
  } catch (const std::exception& e) {
    std::cerr << "klebony-assetgen: " << e.what() << "\n";
    return 1;
  }
  std::cerr
      << "usage: klebony-assetgen OUTDIR | --contact-sheet FILE.png | --board FILE.png [--deuteranopia]\n";
  return 2;
}
