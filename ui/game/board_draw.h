// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The 40 ms drawing step, kept apart from any widget so that tests and the
// benchmark can run it on plain pictures.
#include <QColor>
#include <QImage>
#include <QRect>
#include <array>
#include <vector>

#include "core/world.h"
#include "ui/sprite.h"

namespace klebony {

class Random;

inline constexpr int kMarkerFrames = 3;
inline constexpr int kHeartFrames = 4;
// The marker and the heart settle on two steps per frame after their first cycle.
inline constexpr int kSpritePeriod = 60;

// Black board, then every visible cell's current frame from the organism
// sheet, each followed by its animation step. Hidden cells stay black and
// keep their frame.
void drawCells(World& world, Random& random, const QImage& cellSheet, QImage& board);

// Draws the current frame at (px, py), then steps it; on wrap the period
// becomes kSpritePeriod.
void drawAndStep(AnimatedSprite& sprite, QImage& target);

// The drawing step of the board and the marker, repainting only what changed.
// It remembers what each cell square and the marker show on the picture, and
// draws again only the squares whose picture changed since the last step, the
// squares the marker leaves or enters, and the marker over them. The pixels
// are exactly those of drawCells followed by drawAndStep of the marker, and
// the cells and the marker are stepped in the same order with the same draws.
// Nothing else may write to the board picture between steps; after anything
// else did, invalidate().
class BoardPainter {
 public:
  // One step: draws, then steps the cells (column by column) and the marker.
  // Returns the rectangles of the picture that changed (none when nothing did).
  std::vector<QRect> step(World& world, Random& random, const QImage& cellSheet, AnimatedSprite& marker,
                          QImage& board);
  // The next step draws the whole picture.
  void invalidate() { valid_ = false; }

 private:
  struct MarkerShown {
    int px = 0;
    int py = 0;
    int frame = -1;
    bool operator==(const MarkerShown&) const = default;
  };
  using Squares = std::array<bool, kBoardSize * kBoardSize>;  // column by column, as shown_

  std::vector<QRect> drawWhole(World& world, Random& random, const QImage& cellSheet, AnimatedSprite& marker,
                               QImage& board);
  // Marks the squares whose cell shows another picture than the board holds;
  // false when a cell sits out of its square, and only a whole drawing will do.
  bool findChangedCells(const World& world, const QImage& cellSheet, Squares& dirty) const;
  static QRect markerArea(const MarkerShown& shown, const AnimatedSprite& marker, const QRect& boardRect);
  static void markSquaresUnder(const QRect& area, Squares& dirty);
  // Draws the marked squares again from the cells; returns the rectangles
  // of the picture they cover.
  std::vector<QRect> copyChangedSquares(const World& world, const QImage& cellSheet, const Squares& dirty,
                                        QImage& board);

  bool valid_ = false;
  qint64 sheetKey_ = 0;
  // What each square shows: kHidden (black) or the strip and frame drawn there.
  std::array<qint64, kBoardSize * kBoardSize> shown_{};
  MarkerShown marker_;
};

// The same for a sprite alone on a plain picture (the heart): fill, draw the
// current frame, step. The picture is drawn again only when the frame or the
// place changed; returns whether it was.
class SpritePainter {
 public:
  bool step(AnimatedSprite& sprite, QImage& target, const QColor& background);
  void invalidate() { valid_ = false; }

 private:
  bool valid_ = false;
  int px_ = 0;
  int py_ = 0;
  int frame_ = 0;
};

// Whole-factor enlargement with nearest-neighbour sampling; factor 1 returns
// the picture itself.
QImage scaledByWholeFactor(const QImage& picture, int factor);

}  // namespace klebony
