#include "board_draw.h"

#include <cstring>

#include "animation.h"
#include "random.h"
#include "world.h"

namespace klebony {

void drawCells(World& world, Random& random, const QImage& cellSheet, QImage& board) {
  board.fill(Qt::black);
  Sprite frame{&cellSheet, 0, 0, 0, 0, kCellPixels, kCellPixels};
  for (int x = 0; x < kBoardSize; ++x)
    for (int y = 0; y < kBoardSize; ++y) {
      Cell& cell = world.cell(x, y);
      if (!cell.visible) continue;
      frame.imageX = frame.maskX = kCellPixels * cell.frame;
      frame.imageY = cell.strip;
      frame.maskY = cell.strip + kCellPixels;
      drawSprite(frame, board, cell.px, cell.py);
      stepCellAnimation(cell, random);
    }
}

void drawAndStep(AnimatedSprite& sprite, QImage& target) {
  const int count = static_cast<int>(sprite.sprites.size());
  if (count == 0) return;
  if (sprite.frame < 0 || sprite.frame >= count) sprite.frame = 0;
  drawSprite(sprite.sprites[sprite.frame], target, sprite.px, sprite.py);
  if (animationStep(sprite.frame, sprite.tick, sprite.period, count) == AnimationStep::Wrapped)
    sprite.period = kSpritePeriod;
}

QImage scaledByWholeFactor(const QImage& picture, int factor) {
  if (factor <= 1) return picture;
  const int w = picture.width();
  const int h = picture.height();
  QImage out(w * factor, h * factor, QImage::Format_RGB32);
  for (int y = 0; y < h; ++y) {
    const auto* src = reinterpret_cast<const quint32*>(picture.constScanLine(y));
    auto* first = reinterpret_cast<quint32*>(out.scanLine(y * factor));
    for (int x = 0; x < w; ++x)
      for (int k = 0; k < factor; ++k) first[x * factor + k] = src[x];
    for (int k = 1; k < factor; ++k)
      std::memcpy(out.scanLine(y * factor + k), first, static_cast<size_t>(w) * factor * sizeof(quint32));
  }
  return out;
}

}  // namespace klebony
