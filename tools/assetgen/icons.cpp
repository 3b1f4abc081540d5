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

Image appIcon(int size) {
  if (size <= 16) return shadeShape(kIcon16, stripPalette(3));
  // Larger sizes are sampled from a continuous drawing; more spikes as there is room for them.
  const double c = size / 2.0, radius = size * 0.3;
  const int spikes = size <= 16 ? 6 : size <= 48 ? 8 : 10;
  const double spikeLength = size * 0.17, spikeWidth = std::max(1.5, size * 0.075);
  const double outline = std::max(1.0, size / 24.0);
  const int ss = size <= 16 ? 1 : 4;
  Image img(size, size);
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x) {
      double r = 0, g = 0, b = 0, a = 0;
      for (int sy = 0; sy < ss; ++sy)
        for (int sx = 0; sx < ss; ++sx) {
          const double px = x + (sx + 0.5) / ss - c, py = y + (sy + 0.5) / ss - c;
          const double d = std::hypot(px, py), ang = std::atan2(py, px);
          const double rr = radius * (1 + 0.05 * std::cos(3 * ang + 0.5) + 0.025 * std::cos(5 * ang + 1));
          Rgba col = kClear;
          // spikes: thin wedges beyond the body
          for (int k = 0; k < spikes; ++k) {
            const double sa = 2 * std::numbers::pi * k / spikes + 0.3;
            const double along = px * std::cos(sa) + py * std::sin(sa);
            const double across = std::abs(-px * std::sin(sa) + py * std::cos(sa));
            const double t = (along - rr * 0.8) / (spikeLength + rr * 0.2);
            const double half = spikeWidth * (1 - t) + 0.35;
            if (t > 0 && t < 1 && across < half)
              col = across > half - outline * 0.7 || t > 1 - 0.7 * outline / spikeLength ? rgb(20, 40, 150)
                                                                                         : rgb(110, 165, 255);
          }
          if (d < rr) {
            const double nx = px / rr, ny = py / rr;
            const double lit = -0.55 * nx - 0.6 * ny + 0.58 * std::sqrt(std::max(0.0, 1 - nx * nx - ny * ny));
            col = d > rr - outline ? rgb(10, 30, 130)
                  : lit > 0.9      ? rgb(210, 230, 255)
                  : lit > 0.7      ? rgb(120, 170, 255)
                  : lit > 0.35     ? rgb(60, 120, 255)
                                   : rgb(30, 70, 200);
            const double nd = std::hypot(px - radius * 0.2, py - radius * 0.15);
            if (nd < radius * 0.36) {
              const double nl = -(px - radius * 0.2) - (py - radius * 0.15);
              col = nl > radius * 0.22    ? rgb(255, 130, 120)
                    : nl < -radius * 0.22 ? rgb(150, 10, 25)
                                          : rgb(220, 30, 40);
            }
          }
          if (col.a) {
            r += col.r;
            g += col.g;
            b += col.b;
            a += 1;
          }
        }
      if (a > 0) {
        const double n = ss * ss;
        img.at(x, y) =
            Rgba{static_cast<std::uint8_t>(std::lround(r / a)), static_cast<std::uint8_t>(std::lround(g / a)),
                 static_cast<std::uint8_t>(std::lround(b / a)),
                 static_cast<std::uint8_t>(std::lround(255 * a / n))};
      }
    }
  return img;
}

}  // namespace assetgen
