// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The hover marker, the heart, the twinkle and the tissue of the start screen.
#include <algorithm>
#include <array>
#include <cmath>

#include "tools/assetgen/art.h"

namespace assetgen {

namespace {

Image markerFrame(Rgba edge, Rgba corner) {
  Image f(12, 12);
  for (int i = 0; i < 12; ++i) {
    f.at(i, 0) = f.at(i, 11) = f.at(0, i) = f.at(11, i) = edge;
  }
  for (int i = 0; i < 3; ++i)
    for (int c : {0, 11}) {
      f.at(i, c) = f.at(11 - i, c) = f.at(c, i) = f.at(c, 11 - i) = corner;
    }
  return f;
}

Image heartFrame(double scale) {
  const double k = 12.5 * scale;
  Image f(32, 32);
  auto inside = [&](int x, int y) {
    const double u = (x + 0.5 - 16.0) / k, v = (16.5 - (y + 0.5)) / k + 0.1;
    const double a = u * u + v * v - 1;
    return a * a * a - u * u * v * v * v <= 0;
  };
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) {
      if (!inside(x, y)) continue;
      const double u = (x + 0.5 - 16.0) / k, v = (16.5 - (y + 0.5)) / k + 0.1;
      const bool edge = !inside(x - 1, y) || !inside(x + 1, y) || !inside(x, y - 1) || !inside(x, y + 1);
      // The glint sits on whole pixels so it keeps its round shape at every size of the beat.
      const double gx = std::round(16.0 - 0.5 * k), gy = std::round(16.5 - 0.55 * k);
      const double glint = std::hypot(x + 0.5 - gx, y + 0.5 - gy);
      const double lit = -0.6 * u + 0.8 * v;
      Rgba c = lit > 0.35 ? rgb(240, 40, 50) : lit > -0.45 ? rgb(210, 20, 35) : rgb(160, 5, 25);
      if (glint < 1.0)
        c = rgb(255, 215, 215);
      else if (glint < 2.0)
        c = rgb(255, 110, 110);
      if (edge) c = rgb(100, 0, 15);
      f.at(x, y) = c;
    }
  return f;
}

// A cross of the given reach with diagonal rays of their own reach; the star turns
// at its brightest by swapping which rays are long.
Image twinkleFrame(int reach, int diagonal) {
  Image f(7, 7);
  const Rgba core = rgb(230, 255, 255), arm = rgb(0, 255, 255), tip = rgb(0, 150, 210);
  f.at(3, 3) = reach == 0 ? arm : core;
  for (int r = 1; r <= reach; ++r) {
    const Rgba c = r == reach ? tip : arm;
    f.at(3 + r, 3) = f.at(3 - r, 3) = f.at(3, 3 + r) = f.at(3, 3 - r) = c;
  }
  for (int r = 1; r <= diagonal; ++r) {
    const Rgba c = r == diagonal ? tip : arm;
    f.at(3 + r, 3 + r) = f.at(3 - r, 3 + r) = f.at(3 + r, 3 - r) = f.at(3 - r, 3 - r) = c;
  }
  return f;
}

}  // namespace

Image markerSheet() {
  return maskedSheet({{markerFrame(rgb(150, 150, 160), rgb(200, 200, 210)),
                       markerFrame(rgb(230, 230, 240), rgb(255, 255, 255)),
                       markerFrame(rgb(130, 130, 140), rgb(185, 185, 195))}});
}

Image heartSheet() {
  return maskedSheet({{heartFrame(0.86), heartFrame(1.0), heartFrame(0.94), heartFrame(0.82)}});
}

Image twinkleSheet() {
  std::vector<Image> frames;
  const int shape[8][2] = {{0, 0}, {1, 0}, {2, 0}, {3, 1}, {1, 2}, {2, 0}, {1, 0}, {0, 0}};
  for (const auto& s : shape) frames.push_back(twinkleFrame(s[0], s[1]));
  return maskedSheet({frames});
}

namespace {

constexpr int kTissueSize = 100;

double torusDistance(double ax, double ay, double bx, double by) {
  double dx = std::abs(ax - bx), dy = std::abs(ay - by);
  dx = std::min(dx, kTissueSize - dx);
  dy = std::min(dy, kTissueSize - dy);
  return std::sqrt(dx * dx + dy * dy);
}

struct Point {
  double x, y;
};

// Cell centres scattered on the torus, never crowding each other, so the membranes run every which way.
std::vector<Point> cellCentres(Noise& noise) {
  constexpr int kCells = 18;
  std::vector<Point> points;
  while (static_cast<int>(points.size()) < kCells) {
    const double px = noise.uniform() * kTissueSize, py = noise.uniform() * kTissueSize;
    bool apart = true;
    for (const Point& p : points) apart = apart && torusDistance(px, py, p.x, p.y) > 17;
    if (apart) points.push_back({px, py});
  }
  return points;
}

// Smooth value noise with the period of the tile.
class TileNoise {
 public:
  explicit TileNoise(Noise& noise) {
    for (double& v : lattice_) v = noise.uniform();
  }
  double operator()(double x, double y) const {
    const double gx = x * kLattice / kTissueSize, gy = y * kLattice / kTissueSize;
    const int x0 = static_cast<int>(gx), y0 = static_cast<int>(gy);
    double tx = gx - x0, ty = gy - y0;
    tx = tx * tx * (3 - 2 * tx);
    ty = ty * ty * (3 - 2 * ty);
    const double top = at(x0, y0) + (at(x0 + 1, y0) - at(x0, y0)) * tx;
    const double bottom = at(x0, y0 + 1) + (at(x0 + 1, y0 + 1) - at(x0, y0 + 1)) * tx;
    return top + (bottom - top) * ty;
  }

 private:
  static constexpr int kLattice = 10;
  double at(int i, int j) const { return lattice_[(j % kLattice) * kLattice + (i % kLattice)]; }
  std::array<double, kLattice * kLattice> lattice_{};
};

// The tissue at one pixel: the distances to the nearest and the second nearest
// cell centre give the cell's glow and the membrane between cells.
Rgba tissueAt(int x, int y, const std::vector<Point>& centres, const TileNoise& smoothNoise) {
  double d1 = 1e9, d2 = 1e9;
  for (const Point& p : centres) {
    const double d = torusDistance(x + 0.5, y + 0.5, p.x, p.y);
    if (d < d1) {
      d2 = d1;
      d1 = d;
    } else if (d < d2) {
      d2 = d;
    }
  }
  const double membrane = std::clamp(1.0 - (d2 - d1) / 3.0, 0.0, 1.0);
  const double n = smoothNoise(x, y);
  Rgba c = mix(rgb(150, 50, 70), rgb(215, 105, 125), n);
  c = mix(c, rgb(235, 150, 160), std::clamp(0.5 - d1 / 20.0, 0.0, 0.5) * 0.6);
  if (d1 < 3.2) c = mix(c, rgb(120, 30, 60), 0.7);
  return mix(c, rgb(105, 20, 40), membrane * 0.85);
}

}  // namespace

Image tissueTexture() {
  Noise noise(0x7155u);
  const std::vector<Point> centres = cellCentres(noise);
  const TileNoise smoothNoise(noise);
  Image tex(kTissueSize, kTissueSize);
  for (int y = 0; y < kTissueSize; ++y)
    for (int x = 0; x < kTissueSize; ++x) tex.at(x, y) = tissueAt(x, y, centres, smoothNoise);
  return tex;
}

}  // namespace assetgen
