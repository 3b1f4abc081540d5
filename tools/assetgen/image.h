// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A plain RGBA picture that every drawing routine of the generator works on.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace assetgen {

struct Rgba {
  std::uint8_t r = 0, g = 0, b = 0, a = 0;
  friend bool operator==(const Rgba&, const Rgba&) = default;
};

constexpr Rgba rgb(int r, int g, int b) {
  return Rgba{static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(g), static_cast<std::uint8_t>(b), 255};
}

constexpr Rgba kClear{0, 0, 0, 0};
constexpr Rgba kBlack = rgb(0, 0, 0);
constexpr Rgba kWhite = rgb(255, 255, 255);

struct Image {
  int width = 0, height = 0;
  std::vector<Rgba> pixels;

  Image() = default;
  Image(int w, int h, Rgba fill = kClear)
      : width(w), height(h), pixels(static_cast<std::size_t>(w) * h, fill) {}

  bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
  Rgba& at(int x, int y) { return pixels[static_cast<std::size_t>(y) * width + x]; }
  const Rgba& at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
  // Out-of-range reads give a clear pixel, writes are dropped: shapes may poke past the edge.
  Rgba get(int x, int y) const { return contains(x, y) ? at(x, y) : kClear; }
  void set(int x, int y, Rgba c) {
    if (contains(x, y)) at(x, y) = c;
  }
};

// Copies src onto dst at (x, y); with `over`, clear source pixels leave dst alone.
void blit(Image& dst, const Image& src, int x, int y, bool over = true);
// Nearest-neighbour enlargement for review pictures.
Image enlarge(const Image& src, int factor);
// Draws src onto dst the way the game does: (dst AND mask) OR picture.
void drawMasked(Image& dst, const Image& sheet, int picX, int picY, int maskX, int maskY, int w, int h, int x,
                int y);
Rgba mix(Rgba a, Rgba b, double t);

}  // namespace assetgen
