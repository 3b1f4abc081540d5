// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/assetgen/colour.h"

#include <algorithm>
#include <cmath>

namespace assetgen {

namespace {

double toLinear(double v) {
  v /= 255.0;
  return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
}

double fromLinear(double v) {
  v = std::clamp(v, 0.0, 1.0);
  return 255.0 * (v <= 0.0031308 ? v * 12.92 : 1.055 * std::pow(v, 1 / 2.4) - 0.055);
}

double labF(double t) { return t > 216.0 / 24389.0 ? std::cbrt(t) : (24389.0 / 27.0 * t + 16.0) / 116.0; }

}  // namespace

Rgba simulateDeuteranopia(Rgba c) {
  static constexpr double m[3][3] = {
      {0.367322, 0.860646, -0.227968}, {0.280085, 0.672501, 0.047413}, {-0.011820, 0.042940, 0.968881}};
  const double in[3] = {toLinear(c.r), toLinear(c.g), toLinear(c.b)};
  std::uint8_t out[3];
  for (int i = 0; i < 3; ++i)
    out[i] = static_cast<std::uint8_t>(
        std::lround(fromLinear(m[i][0] * in[0] + m[i][1] * in[1] + m[i][2] * in[2])));
  return Rgba{out[0], out[1], out[2], c.a};
}

Image simulateDeuteranopia(const Image& img) {
  Image out = img;
  for (Rgba& p : out.pixels) p = simulateDeuteranopia(p);
  return out;
}

Lab toLab(double r, double g, double b) {
  const double lr = toLinear(r), lg = toLinear(g), lb = toLinear(b);
  const double x = (0.4124 * lr + 0.3576 * lg + 0.1805 * lb) / 0.95047;
  const double y = 0.2126 * lr + 0.7152 * lg + 0.0722 * lb;
  const double z = (0.0193 * lr + 0.1192 * lg + 0.9505 * lb) / 1.08883;
  const double fx = labF(x), fy = labF(y), fz = labF(z);
  return Lab{116 * fy - 16, 500 * (fx - fy), 200 * (fy - fz)};
}

double deltaE(const Lab& p, const Lab& q) {
  return std::sqrt((p.L - q.L) * (p.L - q.L) + (p.a - q.a) * (p.a - q.a) + (p.b - q.b) * (p.b - q.b));
}

}  // namespace assetgen
