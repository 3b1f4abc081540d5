#pragma once
// The 40 ms drawing step, kept apart from any widget so that tests and the
// benchmark can run it on plain pictures.
#include <QImage>

#include "sprite.h"

namespace klebony {

struct World;
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

// Whole-factor enlargement with nearest-neighbour sampling; factor 1 returns
// the picture itself.
QImage scaledByWholeFactor(const QImage& picture, int factor);

}  // namespace klebony
