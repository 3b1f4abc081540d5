// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every picture of the game, each drawn by its own function.
#include <cstdint>
#include <string>
#include <vector>

#include "tools/assetgen/image.h"

namespace assetgen {

// A small deterministic random source: the art must come out the same on every machine.
class Noise {
 public:
  explicit Noise(std::uint64_t seed) : state_(seed) {}
  std::uint64_t next();
  double uniform();  // [0, 1)
  int below(int n) { return static_cast<int>(next() % static_cast<std::uint64_t>(n)); }

 private:
  std::uint64_t state_;
};

// Rows of frames, all of one size, laid out as picture row then mask row.
// A frame's clear pixels are the background: black in the picture, white in the mask.
Image maskedSheet(const std::vector<std::vector<Image>>& strips);

// Parses pixel art: one string per row, each character looked up in the palette.
struct PaletteEntry {
  char key;
  Rgba colour;
};
Image fromAscii(const std::vector<std::string>& rows, const std::vector<PaletteEntry>& palette);

// One organism strip: body colours from dark to light.
struct BodyPalette {
  Rgba outline, dark, mid, light, shine;
};
constexpr int kStripCount = 6;
BodyPalette stripPalette(int strip);  // 0 free cell, then the sheet's rows in order
std::vector<Image> organismFrames(int strip);
// Hand-drawn outline ('#' body, '+' light spike, '*' darker spike, 'h' 'n' 'm' nucleus) shaded as a lit dome.
Image shadeShape(const std::vector<std::string>& shape, const BodyPalette& pal);
const std::vector<std::string>& organismShape(int frame);  // 12 x 12, shared by every organism

// The drawings of the game's pictures (media/pictures.h; generate.cpp says which draws which).
Image organismSheet();
Image markerSheet();
Image heartSheet();
Image twinkleSheet();
Image tissueTexture();

Image cursorArrow();
Image cursorOrganisms();
Image cursorRing();

Image iconOpen();
Image iconSave();
Image iconExit();
Image iconAbout();
Image iconHelp();
Image appIcon(int size);

}  // namespace assetgen
