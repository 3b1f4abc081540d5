// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Colour science for checking that the strips stay apart: a simulation of
// deuteranopia and a perceptual distance.
#include "tools/assetgen/image.h"

namespace assetgen {

struct Lab {
  double L = 0, a = 0, b = 0;
};

// Full deuteranopia after Machado, Oliveira and Fernandes (2009), applied in linear light.
Rgba simulateDeuteranopia(Rgba c);
Image simulateDeuteranopia(const Image& img);
Lab toLab(double r, double g, double b);    // sRGB channels 0..255, possibly fractional
double deltaE(const Lab& x, const Lab& y);  // CIE76

}  // namespace assetgen
