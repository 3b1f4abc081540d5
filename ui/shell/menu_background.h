// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The start screen's living background: tissue, drifting organisms and
// twinkles on an off-screen picture, independent of any window.
#include <QImage>
#include <QRect>
#include <vector>

#include "core/game.h"
#include "ui/sprite.h"

namespace klebony {

inline constexpr int kMenuImageWidth = 200;  // wider and taller than the window: the rest is not seen
inline constexpr int kMenuImageHeight = 230;
inline constexpr int kMenuOrganismCount = 100;
inline constexpr int kTwinkleCount = 3;

class MenuBackground {
 public:
  // The sheets must outlive the background; the sprites point into them.
  MenuBackground(const QImage& organismSheet, const QImage& twinkleSheet, const QImage& tissueTexture);

  // The start screen's creation: black picture, then the draws for the
  // organisms and the twinkles, in this order.
  void setup(Game& game);
  // One 30 ms step: texture, every organism drawn then stepped, every
  // twinkle drawn then stepped. Stepping one sprite never changes how another
  // is drawn, so this draws the whole picture first and then steps.
  // Returns the rectangles of the picture that changed since the last step.
  std::vector<QRect> step(Game& game);
  // The picture of the present state, without stepping. Only the places of
  // sprites that moved or changed frame since the last picture are drawn
  // again (tissue, then every sprite over them, in order): the pixels are
  // those of drawing the whole picture. Returns those places.
  std::vector<QRect> render();

  const QImage& menuImage() const { return menuImage_; }
  std::vector<AnimatedSprite>& menuOrganisms() { return menuOrganisms_; }
  std::vector<AnimatedSprite>& twinkles() { return twinkles_; }

  static void stepOrganism(AnimatedSprite& s, Game& game);
  static void stepTwinkle(AnimatedSprite& s, Game& game);

 private:
  void tileTexture(const QRect& area);
  void renderArea(const QRect& area);

  // What the picture shows of one sprite: its frame and its place.
  struct Shown {
    Sprite sprite;
    int px = 0;
    int py = 0;
    bool drawn = false;
  };
  static Shown shownOf(const AnimatedSprite& s);

  const QImage& organismSheet_;
  const QImage& twinkleSheet_;
  const QImage& tissueTexture_;
  QImage menuImage_;
  std::vector<AnimatedSprite> menuOrganisms_;
  std::vector<AnimatedSprite> twinkles_;
  // Organisms then twinkles, as last drawn; empty: the whole picture is drawn next.
  std::vector<Shown> shown_;
};

}  // namespace klebony
