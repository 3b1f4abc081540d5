// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The cells of the board: a free-cell blob and five spiky organisms that
// share one set of six wriggling shapes and differ only in colour.
//
// Shapes are drawn by hand ('#' body, '+' spike, 'h' 'n' 'm' the nucleus from
// lit to shaded); the body's shading follows from the outline, lit from the
// upper left, so a changed outline needs no repainting.
#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "tools/assetgen/art.h"

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

namespace {

// A hand-drawn shape's marks, '.' beyond its edges.
struct Marks {
  explicit Marks(const std::vector<std::string>& rows)
      : shape(rows), width(static_cast<int>(rows.at(0).size())), height(static_cast<int>(rows.size())) {}
  char at(int x, int y) const { return x < 0 || y < 0 || x >= width || y >= height ? '.' : shape[y][x]; }
  bool isBody(int x, int y) const {
    const char c = at(x, y);
    return c == '#' || c == 'h' || c == 'n' || c == 'm';
  }

  const std::vector<std::string>& shape;
  const int width, height;
};

// The body's extent as a dome that the light falls on from the upper left.
class Dome {
 public:
  explicit Dome(const Marks& marks) {
    int x0 = marks.width, x1 = -1, y0 = marks.height, y1 = -1;
    for (int y = 0; y < marks.height; ++y)
      for (int x = 0; x < marks.width; ++x)
        if (marks.isBody(x, y)) {
          x0 = std::min(x0, x);
          x1 = std::max(x1, x);
          y0 = std::min(y0, y);
          y1 = std::max(y1, y);
        }
    cx_ = (x0 + x1 + 1) / 2.0;
    cy_ = (y0 + y1 + 1) / 2.0;
    rx_ = (x1 - x0 + 1) / 2.0;
    ry_ = (y1 - y0 + 1) / 2.0;
  }
  double light(int x, int y) const {
    const double nx = (x + 0.5 - cx_) / rx_, ny = (y + 0.5 - cy_) / ry_;
    const double nz = std::sqrt(std::max(0.0, 1 - nx * nx - ny * ny));
    return -0.55 * nx - 0.6 * ny + 0.58 * nz;
  }

 private:
  double cx_ = 0, cy_ = 0, rx_ = 0, ry_ = 0;
};

struct Pixel {
  int x = -1, y = -1;
};

// The single brightest interior pixel carries the glint.
Pixel glintOf(const Marks& marks, const Dome& dome) {
  Pixel glint;
  double best = -2;
  for (int y = 0; y < marks.height; ++y)
    for (int x = 0; x < marks.width; ++x)
      if (marks.at(x, y) == '#' && marks.isBody(x - 1, y) && marks.isBody(x, y - 1) &&
          dome.light(x, y) > best) {
        best = dome.light(x, y);
        glint = {x, y};
      }
  return glint;
}

// A body pixel: outlined on its shaded edges, darker on its lit edges, lit inside by the dome.
Rgba bodyColour(const Marks& marks, const Dome& dome, const BodyPalette& pal, int x, int y) {
  const double lit = dome.light(x, y);
  const bool litEdge = !marks.isBody(x - 1, y) || !marks.isBody(x, y - 1);
  const bool shadedEdge = !marks.isBody(x + 1, y) || !marks.isBody(x, y + 1);
  if (shadedEdge) return pal.outline;
  if (litEdge) return lit > 0.3 ? pal.mid : pal.dark;
  return lit > 0.62 ? pal.light : lit > 0.25 ? pal.mid : pal.dark;
}

}  // namespace

Image shadeShape(const std::vector<std::string>& shape, const BodyPalette& pal) {
  const Marks marks(shape);
  const Dome dome(marks);
  const Pixel glint = glintOf(marks, dome);
  Image img(marks.width, marks.height);
  for (int y = 0; y < marks.height; ++y)
    for (int x = 0; x < marks.width; ++x) {
      switch (marks.at(x, y)) {
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
        case '#':
          img.at(x, y) = x == glint.x && y == glint.y ? pal.shine : bodyColour(marks, dome, pal, x, y);
          break;
        case '.':
          break;
        default:
          throw std::logic_error(std::string("shape uses an unknown mark: ") + marks.at(x, y));
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
    case 1:  // Зеномиус: a light, yellowish orange, well above the brown
      return {rgb(215, 110, 0), rgb(250, 145, 20), rgb(255, 180, 55), rgb(255, 212, 120), rgb(255, 245, 210)};
    case 2:  // Акиус: dark grass green, bright enough to stand out on the black fog
      return {rgb(32, 90, 5), rgb(52, 125, 8), rgb(80, 160, 15), rgb(125, 195, 40), rgb(200, 235, 130)};
    case 3:  // the player: blue
      return {rgb(20, 40, 150), rgb(40, 80, 215), rgb(70, 130, 255), rgb(130, 180, 255), rgb(215, 235, 255)};
    case 4:  // Уренус: a darker, reddish brown, apart from the orange in hue and lightness
      return {rgb(90, 44, 30), rgb(126, 66, 46), rgb(158, 93, 68), rgb(190, 128, 98), rgb(233, 204, 180)};
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
