// The cells of the board: a free-cell blob and five spiky organisms that
// share one set of six wriggling shapes and differ only in colour.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "art.h"

namespace assetgen {

namespace {

constexpr int kCell = 12;
constexpr double kPi = std::numbers::pi;

struct Shape {
  double cx, cy;  // body centre
  double radius, wave2, wave3, phase;
  int spikes;  // 0 for the free cell
  double spikeTurn, spikeLength;
  double nucleusX, nucleusY;  // offset from the centre
};

double bodyRadius(const Shape& s, double angle) {
  return s.radius + s.wave2 * std::cos(2 * (angle - s.phase)) + s.wave3 * std::cos(3 * angle + 2 * s.phase);
}

Shape shapeOf(int strip, int frame) {
  const double phase = frame * kPi / 3;
  Shape s{};
  s.phase = phase;
  if (strip == 0) {
    s = Shape{6.0 + 0.3 * std::cos(phase), 6.0 + 0.3 * std::sin(phase), 4.1, 0.45, 0.2, phase, 0, 0, 0,
              0.5 * std::cos(phase + 1),   0.5 * std::sin(phase + 1)};
  } else {
    s = Shape{6.0 + 0.3 * std::cos(phase),
              6.0 + 0.3 * std::sin(phase),
              3.5,
              0.5,
              0.3,
              phase,
              7,
              0.3 * std::sin(phase),
              2.2 + 0.4 * std::cos(2 * phase),
              0.6 * std::cos(phase + 2),
              0.6 * std::sin(phase + 2)};
  }
  return s;
}

enum class Part { None, Body, Spike, Nucleus };

Image drawCell(const Shape& s, const BodyPalette& pal) {
  Part part[kCell][kCell] = {};
  for (int y = 0; y < kCell; ++y)
    for (int x = 0; x < kCell; ++x) {
      const double dx = x + 0.5 - s.cx, dy = y + 0.5 - s.cy;
      if (std::hypot(dx, dy) < bodyRadius(s, std::atan2(dy, dx))) part[y][x] = Part::Body;
      const double nx = dx - s.nucleusX, ny = dy - s.nucleusY;
      if (nx * nx + ny * ny < 1.7) part[y][x] = Part::Nucleus;
    }
  for (int k = 0; k < s.spikes; ++k) {
    const double angle = 2 * kPi * k / s.spikes + s.spikeTurn + 0.2 * std::sin(s.phase + 2.0 * k);
    const double from = bodyRadius(s, angle) - 0.2;
    const double length = s.spikeLength + 0.8 * std::sin(s.phase * 2 + 1.7 * k);
    for (double t = from; t < from + length; t += 0.1) {
      const int x = static_cast<int>(std::floor(s.cx + t * std::cos(angle)));
      const int y = static_cast<int>(std::floor(s.cy + t * std::sin(angle)));
      if (x >= 0 && y >= 0 && x < kCell && y < kCell && part[y][x] == Part::None) part[y][x] = Part::Spike;
    }
  }

  const double lx = -0.55, ly = -0.6, lz = 0.58;  // light from the upper left, towards the viewer
  Image img(kCell, kCell);
  auto inside = [&](int x, int y) {
    return x >= 0 && y >= 0 && x < kCell && y < kCell &&
           (part[y][x] == Part::Body || part[y][x] == Part::Nucleus);
  };
  for (int y = 0; y < kCell; ++y)
    for (int x = 0; x < kCell; ++x) {
      const double dx = x + 0.5 - s.cx, dy = y + 0.5 - s.cy;
      switch (part[y][x]) {
        case Part::None:
          break;
        case Part::Spike:
          img.at(x, y) = pal.light;
          break;
        case Part::Nucleus: {
          const double nx = dx - s.nucleusX, ny = dy - s.nucleusY;
          const double lit = -(nx + ny);
          img.at(x, y) = lit > 0.9 ? rgb(255, 130, 120) : lit < -0.9 ? rgb(150, 10, 25) : rgb(220, 30, 40);
          break;
        }
        case Part::Body: {
          const bool edge = !inside(x - 1, y) || !inside(x + 1, y) || !inside(x, y - 1) || !inside(x, y + 1);
          const double r = bodyRadius(s, std::atan2(dy, dx));
          const double nx = dx / r, ny = dy / r, nz = std::sqrt(std::max(0.0, 1 - nx * nx - ny * ny));
          const double lit = nx * lx + ny * ly + nz * lz;
          if (edge)
            img.at(x, y) = lit > 0.45 ? pal.dark : pal.outline;
          else
            img.at(x, y) = lit > 0.92 ? pal.shine : lit > 0.72 ? pal.light : lit > 0.4 ? pal.mid : pal.dark;
          break;
        }
      }
    }
  return img;
}

}  // namespace

BodyPalette stripPalette(int strip) {
  switch (strip) {
    case 0:
      return {rgb(20, 90, 50), rgb(40, 140, 80), rgb(70, 190, 110), rgb(130, 225, 150), rgb(210, 255, 215)};
    case 1:
      return {rgb(150, 60, 0), rgb(215, 100, 0), rgb(255, 145, 20), rgb(255, 190, 90), rgb(255, 235, 190)};
    case 2:
      return {rgb(0, 45, 30), rgb(10, 80, 50), rgb(25, 115, 75), rgb(60, 150, 100), rgb(140, 200, 160)};
    case 3:
      return {rgb(10, 30, 130), rgb(30, 70, 200), rgb(60, 120, 255), rgb(120, 170, 255), rgb(210, 230, 255)};
    case 4:
      return {rgb(70, 35, 10), rgb(110, 60, 25), rgb(150, 90, 40), rgb(185, 125, 70), rgb(225, 185, 140)};
    default:
      return {rgb(150, 140, 70), rgb(205, 195, 110), rgb(240, 232, 150), rgb(255, 250, 200),
              rgb(255, 255, 240)};
  }
}

std::vector<Image> organismFrames(int strip) {
  std::vector<Image> frames;
  for (int f = 0; f < 6; ++f) frames.push_back(drawCell(shapeOf(strip, f), stripPalette(strip)));
  return frames;
}

Image organismSheet() {
  std::vector<std::vector<Image>> strips;
  for (int s = 0; s < kStripCount; ++s) strips.push_back(organismFrames(s));
  return maskedSheet(strips);
}

}  // namespace assetgen
