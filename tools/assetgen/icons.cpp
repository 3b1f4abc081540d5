// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Menu icons (16 x 16 pixel art) and the application icon, drawn per size.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "tools/assetgen/art.h"

namespace assetgen {

namespace {

const std::vector<PaletteEntry> kIconInk = {
    {'K', rgb(50, 35, 15)},    {'Y', rgb(250, 205, 60)},  {'L', rgb(255, 238, 150)},
    {'D', rgb(215, 160, 35)},  {'o', rgb(160, 100, 0)},   {'b', rgb(30, 50, 140)},
    {'B', rgb(60, 95, 205)},   {'c', rgb(110, 145, 235)}, {'s', rgb(175, 180, 195)},
    {'S', rgb(235, 235, 240)}, {'w', rgb(255, 255, 255)}, {'g', rgb(120, 120, 135)},
    {'G', rgb(70, 70, 85)},    {'x', rgb(20, 20, 35)},    {'l', rgb(90, 110, 170)},
    {'d', rgb(120, 70, 30)},   {'e', rgb(165, 105, 50)},  {'E', rgb(200, 140, 75)},
    {'R', rgb(225, 25, 30)},   {'r', rgb(140, 0, 10)},    {'T', rgb(205, 205, 220)},
    {'t', rgb(150, 150, 170)}, {'n', rgb(30, 30, 50)},
};

Image art(const std::vector<std::string>& rows) { return fromAscii(rows, kIconInk); }

}  // namespace

Image iconOpen() {
  // The back of the folder with its tab, and the front flap tipped open towards the viewer.
  return art({
      "................",
      "................",
      ".KKKK...........",
      "KLLLLK..........",
      "KLDDDLKKKKKKK...",
      "KLDDDDDDDDDDDK..",
      "KLDDDDDDDDDDDK..",
      "KLDDKKKKKKKKKKKK",
      "KLDKLLLLLLLLLLLK",
      "KLDKLYYYYYYYYYoK",
      "KLKLYYYYYYYYYYK.",
      "KLKLYYYYYYYYYoK.",
      "KKLYYYYYYYYYYK..",
      "KKLYYYYYYYYYoK..",
      "KKKKKKKKKKKKKK..",
      "................",
  });
}

Image iconSave() {
  return art({
      "xxxxxxxxxxxxxxx.",
      "xBBwSSSSSSSSwBBx",
      "xBBSllllllllSBBx",
      "xBBSSSSSSSSSSBBx",
      "xBBSllllllSSSBBx",
      "xBBSSSSSSSSSSBBx",
      "xBBBBBBBBBBBBBBx",
      "xBBBBBBBBBBBBBBx",
      "xBBBtTTTTTTTtBBx",
      "xBBBTTTTTnnTTBBx",
      "xBBBTTTTTnnTTBBx",
      "xBBBTTTTTnnTTBBx",
      "xbBBtTTTTTTTtBBx",
      "xbbBBBBBBBBBBBBx",
      ".xbbbbbbbbbbbbbx",
      "..xxxxxxxxxxxxxx",
  });
}

Image iconExit() {
  // The door swings towards us on its left hinge; the doorway behind is dark.
  return art({
      "..KKKKKKKKKKKK..",
      "..KddddddddddK..",
      "..KdKKKxxxxxdK..",
      "..KdKEeKxxxxdK..",
      "..KdKEeeKxxxdK..",
      "..KdKEeeeKxxdK..",
      "..KdKEeeeKxxdK..",
      "..KdKEeeeKxxdK..",
      "..KdKEeYeKxxdK..",
      "..KdKEeeeKxxdK..",
      "..KdKEeeeKxxdK..",
      "..KdKEeeeKxxdK..",
      "..KdKEeeKxxxdK..",
      "..KdKEeKxxxxdK..",
      ".KKKKKKKKKKKKKK.",
      ".KggggggggggggK.",
  });
}

Image iconAbout() {
  Image disc = art({
      ".....oooooo.....",
      "...ooLLLLYYoo...",
      "..oLLLYYYYYYDo..",
      ".oLLYYYYYYYYYDo.",
      ".oLYYYYYYYYYYDo.",
      "oLYYYYYYYYYYYYDo",
      "oLYYYYYYYYYYYYDo",
      "oLYYYYYYYYYYYDDo",
      "oYYYYYYYYYYYYDDo",
      "oYYYYYYYYYYYYDDo",
      "oYYYYYYYYYYYDDDo",
      ".oYYYYYYYYYYDDo.",
      ".oYYYYYYYYYDDDo.",
      "..ooYYYYYYDDoo..",
      "...ooDDDDDDoo...",
      ".....oooooo.....",
  });
  blit(disc,
       art({
           ".RRRR.",
           "RRrrRR",
           "Rr..RR",
           "....RR",
           "...RRr",
           "..RRr.",
           "..Rr..",
           "......",
           "..RR..",
           "..rr..",
       }),
       5, 3);
  return disc;
}

Image iconHelp() {
  return art({
      "....RRRRRR......",
      "...RRRRRRRR.....",
      "..RRRr..rRRR....",
      "..RRr....RRRr...",
      "..rr.....RRRr...",
      ".........RRRr...",
      "........RRRr....",
      ".......RRRr.....",
      "......RRRr......",
      "......RRr.......",
      "................",
      "......RRr.......",
      "......Rrr.......",
      "....KTTTTTK.....",
      "...KTttttttK....",
      "...KKKKKKKKK....",
  });
}

// At 16 pixels every pixel counts: drawn by hand like the board's cells.
const std::vector<std::string> kIcon16 = {
    "................", ".......+........", ".......*.....+..", "..+...####..*...",
    "...*########....", "....########....", "...##########...", ".+*#####hn###...",
    "...#####nnm##*+.", "...######mm##...", "....########....", "...*########*...",
    "..+...####...+..", "........*.......", "........+.......", "................",
};

namespace {

// The application's icon as a continuous drawing around its centre: a lit
// blue body with a red nucleus and spikes, more of them as there is room.
class AppIconDrawing {
 public:
  explicit AppIconDrawing(int size)
      : radius_(size * 0.3),
        spikes_(size <= 48 ? 8 : 10),
        spikeLength_(size * 0.17),
        spikeWidth_(std::max(1.5, size * 0.075)),
        outline_(std::max(1.0, size / 24.0)) {}

  Rgba colourAt(double px, double py) const {
    const double d = std::hypot(px, py), ang = std::atan2(py, px);
    const double rr = radius_ * (1 + 0.05 * std::cos(3 * ang + 0.5) + 0.025 * std::cos(5 * ang + 1));
    if (d < rr) return bodyAt(px, py, d, rr);
    Rgba col = kClear;
    // spikes: thin wedges beyond the body
    for (int k = 0; k < spikes_; ++k) {
      const double sa = 2 * std::numbers::pi * k / spikes_ + 0.3;
      const double along = px * std::cos(sa) + py * std::sin(sa);
      const double across = std::abs(-px * std::sin(sa) + py * std::cos(sa));
      const double t = (along - rr * 0.8) / (spikeLength_ + rr * 0.2);
      const double half = spikeWidth_ * (1 - t) + 0.35;
      if (t > 0 && t < 1 && across < half)
        col = across > half - outline_ * 0.7 || t > 1 - 0.7 * outline_ / spikeLength_ ? rgb(20, 40, 150)
                                                                                      : rgb(110, 165, 255);
    }
    return col;
  }

 private:
  Rgba bodyAt(double px, double py, double d, double rr) const {
    const double nd = std::hypot(px - radius_ * 0.2, py - radius_ * 0.15);
    if (nd < radius_ * 0.36) {
      const double nl = -(px - radius_ * 0.2) - (py - radius_ * 0.15);
      return nl > radius_ * 0.22    ? rgb(255, 130, 120)
             : nl < -radius_ * 0.22 ? rgb(150, 10, 25)
                                    : rgb(220, 30, 40);
    }
    const double nx = px / rr, ny = py / rr;
    const double lit = -0.55 * nx - 0.6 * ny + 0.58 * std::sqrt(std::max(0.0, 1 - nx * nx - ny * ny));
    return d > rr - outline_ ? rgb(10, 30, 130)
           : lit > 0.9       ? rgb(210, 230, 255)
           : lit > 0.7       ? rgb(120, 170, 255)
           : lit > 0.35      ? rgb(60, 120, 255)
                             : rgb(30, 70, 200);
  }

  double radius_;
  int spikes_;
  double spikeLength_, spikeWidth_, outline_;
};

// The mean colour of a pixel's covered samples, as opaque as the share they cover.
class Coverage {
 public:
  void add(Rgba c) {
    ++samples_;
    if (!c.a) return;
    r_ += c.r;
    g_ += c.g;
    b_ += c.b;
    covered_ += 1;
  }
  Rgba mean() const {
    if (covered_ == 0) return kClear;
    return Rgba{static_cast<std::uint8_t>(std::lround(r_ / covered_)),
                static_cast<std::uint8_t>(std::lround(g_ / covered_)),
                static_cast<std::uint8_t>(std::lround(b_ / covered_)),
                static_cast<std::uint8_t>(std::lround(255 * covered_ / samples_))};
  }

 private:
  double r_ = 0, g_ = 0, b_ = 0, covered_ = 0;
  int samples_ = 0;
};

}  // namespace

Image appIcon(int size) {
  if (size <= 16) return shadeShape(kIcon16, stripPalette(3));
  // Larger sizes are sampled from the continuous drawing, 4 x 4 samples a pixel.
  const AppIconDrawing drawing(size);
  const double c = size / 2.0;
  constexpr int kSamples = 4;
  Image img(size, size);
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x) {
      Coverage pixel;
      for (int sy = 0; sy < kSamples; ++sy)
        for (int sx = 0; sx < kSamples; ++sx)
          pixel.add(drawing.colourAt(x + (sx + 0.5) / kSamples - c, y + (sy + 0.5) / kSamples - c));
      img.at(x, y) = pixel.mean();
    }
  return img;
}

}  // namespace assetgen
