// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/assetgen/art.h"

#include <algorithm>
#include <stdexcept>

namespace assetgen {

std::uint64_t Noise::next() {  // splitmix64
  std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

double Noise::uniform() { return static_cast<double>(next() >> 11) / 9007199254740992.0; }

Image maskedSheet(const std::vector<std::vector<Image>>& strips) {
  const int w = strips.at(0).at(0).width, h = strips.at(0).at(0).height;
  size_t columns = 0;
  for (const auto& s : strips) columns = std::max(columns, s.size());
  Image sheet(static_cast<int>(columns) * w, static_cast<int>(strips.size()) * 2 * h, kBlack);
  for (size_t r = 0; r < strips.size(); ++r)
    for (size_t i = 0; i < strips[r].size(); ++i) {
      const Image& f = strips[r][i];
      if (f.width != w || f.height != h) throw std::logic_error("frames of one sheet differ in size");
      const int x0 = static_cast<int>(i) * w, y0 = static_cast<int>(r) * 2 * h;
      for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
          const Rgba c = f.at(x, y);
          const bool covered = c.a != 0;
          sheet.at(x0 + x, y0 + y) = covered ? Rgba{c.r, c.g, c.b, 255} : kBlack;
          sheet.at(x0 + x, y0 + h + y) = covered ? kBlack : kWhite;
        }
    }
  return sheet;
}

Image fromAscii(const std::vector<std::string>& rows, const std::vector<PaletteEntry>& palette) {
  Image img(static_cast<int>(rows.at(0).size()), static_cast<int>(rows.size()));
  for (int y = 0; y < img.height; ++y) {
    if (static_cast<int>(rows[y].size()) != img.width) throw std::logic_error("ragged pixel art");
    for (int x = 0; x < img.width; ++x) {
      const char k = rows[y][x];
      if (k == '.' || k == ' ') continue;
      bool found = false;
      for (const auto& e : palette)
        if (e.key == k) {
          img.at(x, y) = e.colour;
          found = true;
        }
      if (!found) throw std::logic_error(std::string("pixel art uses an unknown colour: ") + k);
    }
  }
  return img;
}

}  // namespace assetgen
