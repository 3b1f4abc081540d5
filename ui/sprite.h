// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Masked picture frames cut from sprite sheets, and looping animations of them.
#include <QImage>
#include <vector>

namespace klebony {

// One frame: its colour picture and, below it in the same sheet, its mask.
// Both are RGB32; the mask is white where the target shows through.
struct Sprite {
  const QImage* sheet = nullptr;
  int imageX = 0;
  int imageY = 0;
  int maskX = 0;
  int maskY = 0;
  int width = 0;
  int height = 0;
};

// target = (target AND mask) OR picture, clipped at the target's edges.
// Both pictures must be Format_RGB32.
void drawSprite(const Sprite& sprite, QImage& target, int x, int y);

struct AnimatedSprite {
  int px = 0;
  int py = 0;
  int frame = 0;
  int tick = 0;
  int period = 0;
  std::vector<Sprite> sprites;
};

// Cuts `count` frames of w x h laid side by side from (x0, y0), masks h below.
std::vector<Sprite> cutFrames(const QImage& sheet, int count, int w, int h, int x0 = 0, int y0 = 0);

}  // namespace klebony
