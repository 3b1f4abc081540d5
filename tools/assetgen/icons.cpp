// Menu icons (16 x 16 pixel art) and the application icon, drawn per size.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "art.h"

namespace assetgen {

namespace {

const std::vector<PaletteEntry> kIconInk = {
    {'K', rgb(40, 30, 20)},    {'Y', rgb(250, 210, 60)}, {'L', rgb(255, 240, 150)}, {'O', rgb(200, 150, 30)},
    {'b', rgb(40, 60, 160)},   {'B', rgb(70, 100, 210)}, {'s', rgb(200, 200, 210)}, {'S', rgb(235, 235, 240)},
    {'w', rgb(255, 255, 255)}, {'d', rgb(110, 70, 30)},  {'D', rgb(160, 105, 50)},  {'g', rgb(120, 120, 130)},
    {'R', rgb(220, 20, 30)},   {'r', rgb(140, 0, 10)},   {'G', rgb(60, 60, 70)},    {'x', rgb(20, 20, 30)},
};

Image art(const std::vector<std::string>& rows) { return fromAscii(rows, kIconInk); }

}  // namespace

Image iconOpen() {
  return art({
      "................",
      "................",
      ".KKKK...........",
      "KLLLLK..........",
      "KLYYYLKKKKKK....",
      "KLYYYYYYYYYYK...",
      "KLYYKKKKKKKKKKKK",
      "KLYKLLLLLLLLLLK.",
      "KLYKLYYYYYYYYOK.",
      "KLKLYYYYYYYYYK..",
      "KLKLYYYYYYYYOK..",
      "KKLYYYYYYYYYK...",
      "KKLYYYYYYYYOK...",
      "KKKKKKKKKKKK....",
      "................",
      "................",
  });
}

Image iconSave() {
  return art({
      "xxxxxxxxxxxxxxx.",
      "xbBSSSSSSSSSBbbx",
      "xbBSSSSSSSSSBbbx",
      "xbBSSSSSSSSSBbbx",
      "xbBSSSSSSSSSBbbx",
      "xbBSSSSSSSSSBbbx",
      "xbBBBBBBBBBBBbbx",
      "xbbbbbbbbbbbbbbx",
      "xbbgggggggggbbbx",
      "xbbgssssGGssgbbx",
      "xbbgssssGGssgbbx",
      "xbbgssssGGssgbbx",
      "xbbgssssGGssgbbx",
      "xbbgssssssssgbbx",
      ".xbgggggggggbbbx",
      "..xxxxxxxxxxxxxx",
  });
}

Image iconExit() {
  return art({
      "....KKKKKKKKKK..",
      "....KddddddddK..",
      "....KdKKK...dK..",
      "....KdKDDK..dK..",
      "....KdKDDDK.dK..",
      "....KdKDDDDKdK..",
      "....KdKDDDDKdK..",
      "....KdKDDYDKdK..",
      "....KdKDDDDKdK..",
      "....KdKDDDDKdK..",
      "....KdKDDDDKdK..",
      "....KdKDDDDKdK..",
      "....KdKDDDKKdK..",
      "....KdKDDK..dK..",
      "..KKKdKKK...dKK.",
      "..KKKKKKKKKKKKK.",
  });
}

Image iconAbout() {
  return art({
      ".....KKKKKK.....",
      "...KKYYYYYYKK...",
      "..KYYYYYYYYYYK..",
      ".KYYYrRRRRYYYYK.",
      ".KYYrRRYYRRYYYK.",
      "KYYYYYYYYRRYYYYK",
      "KYYYYYYYYRRYYYYK",
      "KYYYYYYYRRYYYYYK",
      "KYYYYYYRRYYYYYYK",
      "KYYYYYYRRYYYYYYK",
      "KYYYYYYYYYYYYYYK",
      ".KYYYYYRRYYYYYK.",
      ".KYYYYYRRYYYYYK.",
      "..KYYYYYYYYYYK..",
      "...KKYYYYYYKK...",
      ".....KKKKKK.....",
  });
}

Image iconHelp() {
  return art({
      ".....rRRRRr.....",
      "....RRRRRRRR....",
      "...RRRr..rRRR...",
      "...RRr....RRR...",
      "..........RRR...",
      ".........RRRr...",
      "........RRRr....",
      ".......RRRr.....",
      "......RRRr......",
      "......RRR.......",
      "......RRR.......",
      "................",
      "......RRR.......",
      "......RRR.......",
      "...KKKKKKKKK....",
      "..KgggggggggK...",
  });
}

Image appIcon(int size) {
  // Sampled from a continuous drawing; small sizes get fewer spikes and a firmer outline.
  const double c = size / 2.0, radius = size * 0.3;
  const int spikes = size <= 16 ? 6 : size <= 48 ? 8 : 10;
  const double spikeLength = size * 0.17, spikeWidth = std::max(1.0, size * 0.05);
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
          const double rr = radius * (1 + 0.06 * std::cos(3 * ang + 0.5));
          Rgba col = kClear;
          // spikes: thin wedges beyond the body
          for (int k = 0; k < spikes; ++k) {
            const double sa = 2 * std::numbers::pi * k / spikes + 0.3;
            const double along = px * std::cos(sa) + py * std::sin(sa);
            const double across = std::abs(-px * std::sin(sa) + py * std::cos(sa));
            const double t = (along - rr * 0.8) / (spikeLength + rr * 0.2);
            if (t > 0 && t < 1 && across < spikeWidth * (1 - t) + 0.35) col = rgb(120, 170, 255);
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
