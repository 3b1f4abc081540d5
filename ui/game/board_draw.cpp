#include "board_draw.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "animation.h"
#include "random.h"
#include "world.h"

namespace klebony {

namespace {

using Pixels4 = quint32 __attribute__((vector_size(16)));

inline Pixels4 load4(const uchar* p) {
  Pixels4 v;
  std::memcpy(&v, p, sizeof v);
  return v;
}

// One pixel row of a cell over black: drawSprite's (target AND mask) OR
// picture, where the target's part is the black itself and needs no reading.
static_assert(kCellPixels * 4 == 48, "a cell row is three groups of four pixels");

inline void paintRowOnBlack(uchar* dst, const uchar* mask, const uchar* pic) {
  const Pixels4 black = {0xff000000u, 0xff000000u, 0xff000000u, 0xff000000u};
  // All loads before the stores: the processor need not guess whether a
  // store might feed a later load of the sheet.
  const Pixels4 a = (black & load4(mask)) | load4(pic);
  const Pixels4 b = (black & load4(mask + 16)) | load4(pic + 16);
  const Pixels4 c = (black & load4(mask + 32)) | load4(pic + 32);
  std::memcpy(dst, &a, sizeof a);
  std::memcpy(dst + 16, &b, sizeof b);
  std::memcpy(dst + 32, &c, sizeof c);
}

}  // namespace

void drawCells(World& world, Random& random, const QImage& cellSheet, QImage& board) {
  uchar* const bits = board.bits();
  const qsizetype stride = board.bytesPerLine();
  const uchar* const sheetBits = cellSheet.constBits();
  const qsizetype sheetStride = cellSheet.bytesPerLine();
  const int sheetWidth = cellSheet.width();
  const int sheetHeight = cellSheet.height();
  // Black board, then the visible cells on it. Both happen in one pass in
  // the picture's own order, pixel row by pixel row, so the writes stream
  // through the cache instead of hopping 12 rows for every cell; each pixel
  // is written once. A cell that does not sit in its usual square (never in
  // a game) is drawn the long way afterwards. The pixels are the same.
  if (board.width() != kBoardPixels || board.height() != kBoardPixels) board.fill(Qt::black);
  const int rows = std::min(board.height(), kBoardPixels);
  const int columns = std::min(board.width(), kBoardPixels) / kCellPixels;
  std::vector<const Cell*> unusual;
  const uchar* masks[kBoardSize];
  const uchar* pictures[kBoardSize];
  for (int y = 0; y < kBoardSize && y * kCellPixels + kCellPixels <= rows; ++y) {
    for (int x = 0; x < kBoardSize; ++x) {
      const Cell& cell = world.cell(x, y);
      const int fx = kCellPixels * cell.frame;
      const bool usual = cell.px == x * kCellPixels && cell.py == y * kCellPixels && fx >= 0 &&
                         fx + kCellPixels <= sheetWidth && cell.strip >= 0 &&
                         cell.strip + 2 * kCellPixels <= sheetHeight;
      masks[x] = pictures[x] = nullptr;
      if (cell.visible && usual) {
        masks[x] = sheetBits + (cell.strip + kCellPixels) * sheetStride + fx * 4;
        pictures[x] = sheetBits + cell.strip * sheetStride + fx * 4;
      } else if (cell.visible) {
        unusual.push_back(&cell);
      }
    }
    for (int j = 0; j < kCellPixels; ++j) {
      uchar* dst = bits + (y * kCellPixels + j) * stride;
      const qsizetype offset = j * sheetStride;
      for (int x = 0; x < columns; ++x, dst += kCellPixels * 4) {
        if (pictures[x])
          paintRowOnBlack(dst, masks[x] + offset, pictures[x] + offset);
        else
          std::fill_n(reinterpret_cast<quint32*>(dst), kCellPixels, 0xff000000u);
      }
    }
  }
  for (const Cell* cell : unusual) {
    const int fx = kCellPixels * cell->frame;
    drawSprite(Sprite{&cellSheet, fx, cell->strip, fx, cell->strip + kCellPixels, kCellPixels, kCellPixels},
               board, cell->px, cell->py);
  }
  // The animation steps in the rules' order (column by column), so that the
  // periods drawn at a wrap fall to the same cells as ever.
  for (int x = 0; x < kBoardSize; ++x)
    for (int y = 0; y < kBoardSize; ++y) {
      Cell& cell = world.cell(x, y);
      if (cell.visible) stepCellAnimation(cell, random);
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
