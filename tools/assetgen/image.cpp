// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/assetgen/image.h"

#include <cmath>

namespace assetgen {

void blit(Image& dst, const Image& src, int x, int y, bool over) {
  for (int sy = 0; sy < src.height; ++sy)
    for (int sx = 0; sx < src.width; ++sx) {
      const Rgba c = src.at(sx, sy);
      if (over && c.a == 0) continue;
      dst.set(x + sx, y + sy, c);
    }
}

Image enlarge(const Image& src, int factor) {
  Image out(src.width * factor, src.height * factor);
  for (int y = 0; y < out.height; ++y)
    for (int x = 0; x < out.width; ++x) out.at(x, y) = src.at(x / factor, y / factor);
  return out;
}

void drawMasked(Image& dst, const Image& sheet, int picX, int picY, int maskX, int maskY, int w, int h, int x,
                int y) {
  for (int j = 0; j < h; ++j)
    for (int i = 0; i < w; ++i) {
      if (!dst.contains(x + i, y + j)) continue;
      Rgba& d = dst.at(x + i, y + j);
      const Rgba m = sheet.at(maskX + i, maskY + j);
      const Rgba p = sheet.at(picX + i, picY + j);
      d = Rgba{static_cast<std::uint8_t>((d.r & m.r) | p.r), static_cast<std::uint8_t>((d.g & m.g) | p.g),
               static_cast<std::uint8_t>((d.b & m.b) | p.b), 255};
    }
}

Rgba mix(Rgba a, Rgba b, double t) {
  auto ch = [t](int u, int v) { return static_cast<std::uint8_t>(std::lround(u + (v - u) * t)); };
  return Rgba{ch(a.r, b.r), ch(a.g, b.g), ch(a.b, b.b), ch(a.a, b.a)};
}

}  // namespace assetgen
