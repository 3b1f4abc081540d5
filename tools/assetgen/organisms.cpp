// The cells of the board: a free-cell blob and five spiky organisms that
// share one set of six wriggling shapes and differ only in colour.
//
// Shapes are drawn by hand ('#' body, '+' spike, 'h' 'n' 'm' the nucleus from
// lit to shaded); the body's shading follows from the outline, lit from the
// upper left, so a changed outline needs no repainting.
#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "art.h"

namespace assetgen {

namespace {

using Shape = std::vector<std::string>;

// One cycle: round, wide, leaning up-right, turned, tall, bulging down-left; the spikes
// travel round a little with every frame, so the creature seems to crawl and twitch.
const Shape kOrganism[6] = {
    {".....+......", "..+..+...+..", "...+####+...", "...######...", "..########..", "..###hn###++",
     "++###nm###..", "..########..", "...######...", "...+####+...", "..+...+..+..", "......+....."},
    {"............", ".+....+...+.", "..+...+..+..", "...######...", "..########..", "+#####hn###.",
     ".#####nm###+", "..########..", "...######...", "..+..+...+..", ".+...+....+.", "............"},
    {"....+....+..", "..+..+..+...", "...+.####...", "....######..", "...###hn###.", "...###nm###+",
     ".+########..", "+.########..", "...######.+.", "....###....+", "...+..+.....", "..+....+...."},
    {"...+....+...", "....+..+....", ".....####..+", "+..######.+.", ".+########..", "..###hn###..",
     "..###nm###..", "..########+.", ".+.######..+", "+..####+....", "...+....+...", "..+........."},
    {".......+....", ".+....+...+.", "..+.####.+..", "...######...", "...######...", "...######+++",
     ".++##hn##...", "+..##nm##...", "...######...", "..+.####.+..", ".+...+....+.", "....+......."},
    {".....+......", "......+.....", ".+...###..+.", "..+######+..", "..#######...", "+#########..",
     ".###hn####++", ".###nm###...", "..#######+..", "..+#####..+.", ".+....+.....", "......+....."},
};

// The free cell: a soft blob that only breathes.
const Shape kBlob[6] = {
    {"............", "............", "....####....", "...######...", "..########..", "..###hn###..",
     "..###nm###..", "..########..", "...######...", "....####....", "............", "............"},
    {"............", "............", "............", "...######...", ".#########..", ".####hn####.",
     ".####nm####.", "..#########.", "...######...", "............", "............", "............"},
    {"............", ".....###....", "...#######..", "..########..", "..###hn###..", "..###nm###..",
     "..########..", "...#######..", "....#####...", ".....##.....", "............", "............"},
    {"............", "............", "....###.....", "..#######...", "..########..", ".###hn####..",
     ".###nm#####.", "..########..", "...#######..", ".....###....", "............", "............"},
    {"............", "....###.....", "...#####....", "...######...", "..#######...", "..##hn####..",
     "..##nm####..", "...#######..", "...######...", "....#####...", ".....###....", "............"},
    {"............", "............", ".....####...", "...#######..", "..########..", ".###hn####..",
     ".###nm####..", ".#########..", "..#######...", "...####.....", "............", "............"},
};

const Rgba kNucleusLit = rgb(255, 150, 135), kNucleus = rgb(225, 30, 40), kNucleusShade = rgb(150, 10, 25);

}  // namespace

Image shadeShape(const std::vector<std::string>& shape, const BodyPalette& pal) {
  const int w = static_cast<int>(shape.at(0).size()), h = static_cast<int>(shape.size());
  auto at = [&](int x, int y) { return x < 0 || y < 0 || x >= w || y >= h ? '.' : shape[y][x]; };
  auto isBody = [&](int x, int y) {
    const char c = at(x, y);
    return c == '#' || c == 'h' || c == 'n' || c == 'm';
  };
  // The body's extent gives the dome that the light falls on.
  int x0 = w, x1 = -1, y0 = h, y1 = -1;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      if (isBody(x, y)) {
        x0 = std::min(x0, x);
        x1 = std::max(x1, x);
        y0 = std::min(y0, y);
        y1 = std::max(y1, y);
      }
  const double cx = (x0 + x1 + 1) / 2.0, cy = (y0 + y1 + 1) / 2.0, rx = (x1 - x0 + 1) / 2.0,
               ry = (y1 - y0 + 1) / 2.0;
  auto light = [&](int x, int y) {
    const double nx = (x + 0.5 - cx) / rx, ny = (y + 0.5 - cy) / ry;
    const double nz = std::sqrt(std::max(0.0, 1 - nx * nx - ny * ny));
    return -0.55 * nx - 0.6 * ny + 0.58 * nz;
  };
  // The single brightest interior pixel carries the glint.
  int glintX = -1, glintY = -1;
  double best = -2;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      if (at(x, y) == '#' && isBody(x - 1, y) && isBody(x, y - 1) && light(x, y) > best) {
        best = light(x, y);
        glintX = x;
        glintY = y;
      }

  Image img(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      switch (at(x, y)) {
        case 'h':
          img.at(x, y) = kNucleusLit;
          break;
        case 'n':
          img.at(x, y) = kNucleus;
          break;
        case 'm':
          img.at(x, y) = kNucleusShade;
          break;
        case '+':
          img.at(x, y) = pal.light;
          break;
        case '*':
          img.at(x, y) = pal.mid;
          break;
        case '#': {
          const double lit = light(x, y);
          const bool litEdge = !isBody(x - 1, y) || !isBody(x, y - 1);
          const bool shadedEdge = !isBody(x + 1, y) || !isBody(x, y + 1);
          if (x == glintX && y == glintY)
            img.at(x, y) = pal.shine;
          else if (shadedEdge)
            img.at(x, y) = pal.outline;
          else if (litEdge)
            img.at(x, y) = lit > 0.3 ? pal.mid : pal.dark;
          else
            img.at(x, y) = lit > 0.62 ? pal.light : lit > 0.25 ? pal.mid : pal.dark;
          break;
        }
        case '.':
          break;
        default:
          throw std::logic_error(std::string("shape uses an unknown mark: ") + at(x, y));
      }
    }
  return img;
}

const std::vector<std::string>& organismShape(int frame) { return kOrganism[frame]; }

BodyPalette stripPalette(int strip) {
  switch (strip) {
    case 0:  // free cell: a fresh, slightly bluish green, apart from the olive of the organisms
      return {rgb(40, 140, 105), rgb(65, 180, 135), rgb(110, 220, 175), rgb(170, 242, 210),
              rgb(235, 255, 245)};
    case 1:  // Зеномиус: orange
      return {rgb(170, 70, 0), rgb(225, 105, 0), rgb(255, 145, 25), rgb(255, 190, 90), rgb(255, 240, 200)};
    case 2:  // Акиус: dark green
      return {rgb(8, 60, 42), rgb(18, 90, 62), rgb(30, 122, 85), rgb(70, 162, 115), rgb(150, 208, 175)};
    case 3:  // the player: blue
      return {rgb(20, 40, 150), rgb(40, 80, 215), rgb(70, 130, 255), rgb(130, 180, 255), rgb(215, 235, 255)};
    case 4:  // Уренус: brown
      return {rgb(100, 45, 10), rgb(140, 72, 25), rgb(180, 105, 45), rgb(212, 150, 85), rgb(240, 205, 160)};
    default:  // Свиус: pale yellow
      return {rgb(170, 160, 90), rgb(215, 205, 120), rgb(245, 238, 160), rgb(255, 252, 205),
              rgb(255, 255, 245)};
  }
}

std::vector<Image> organismFrames(int strip) {
  std::vector<Image> frames;
  for (int f = 0; f < 6; ++f)
    frames.push_back(shadeShape(strip == 0 ? kBlob[f] : kOrganism[f], stripPalette(strip)));
  return frames;
}

Image organismSheet() {
  std::vector<std::vector<Image>> strips;
  for (int s = 0; s < kStripCount; ++s) strips.push_back(organismFrames(s));
  return maskedSheet(strips);
}

}  // namespace assetgen
