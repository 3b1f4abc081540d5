// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/game/board_draw.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "core/animation.h"
#include "core/random.h"
#include "core/world.h"
#include "ui/palette.h"

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

// What a square shows: black, or one frame of one strip.
constexpr qint64 kHidden = -1;

inline qint64 shownKey(const Cell& cell) {
  return cell.visible ? (static_cast<qint64>(cell.strip) << 32) | static_cast<quint32>(cell.frame) : kHidden;
}

// The drawing step draws only cells that sit in their own square with a frame
// on the sheet; every game makes only such cells.
bool usualCell(const Cell& cell, int x, int y, const QImage& sheet) {
  const int fx = kCellPixels * cell.frame;
  return cell.px == x * kCellPixels && cell.py == y * kCellPixels && cell.frame >= 0 && fx >= 0 &&
         fx + kCellPixels <= sheet.width() && cell.strip >= 0 &&
         cell.strip + 2 * kCellPixels <= sheet.height();
}

// One square of the board: the cell's frame over black, or black.
void paintSquare(const Cell& cell, const QImage& sheet, uchar* dst, qsizetype stride) {
  if (!cell.visible) {
    for (int j = 0; j < kCellPixels; ++j, dst += stride)
      std::fill_n(reinterpret_cast<quint32*>(dst), kCellPixels, 0xff000000u);
    return;
  }
  const qsizetype sheetStride = sheet.bytesPerLine();
  const uchar* pic = sheet.constBits() + cell.strip * sheetStride + kCellPixels * cell.frame * 4;
  const uchar* mask = pic + kCellPixels * sheetStride;
  for (int j = 0; j < kCellPixels; ++j, dst += stride, pic += sheetStride, mask += sheetStride)
    paintRowOnBlack(dst, mask, pic);
}

void stepCells(World& world, Random& random) {
  // Column by column, the rules' order, so that the periods drawn at a wrap
  // fall to the same cells as ever.
  for (int x = 0; x < kBoardSize; ++x)
    for (int y = 0; y < kBoardSize; ++y) {
      Cell& cell = world.cell(x, y);
      if (cell.visible) stepCellAnimation(cell, random);
    }
}

void stepSprite(AnimatedSprite& sprite) {
  const int count = static_cast<int>(sprite.sprites.size());
  if (animationStep(sprite.frame, sprite.tick, sprite.period, count) == AnimationStep::Wrapped)
    sprite.period = kSpritePeriod;
}

// drawAndStep's own correction of a frame it cannot show.
bool normaliseFrame(AnimatedSprite& sprite) {
  const int count = static_cast<int>(sprite.sprites.size());
  if (count == 0) return false;
  if (sprite.frame < 0 || sprite.frame >= count) sprite.frame = 0;
  return true;
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
  if (board.width() != kBoardPixels || board.height() != kBoardPixels) board.fill(palette::kFog);
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
  stepCells(world, random);
}

void drawAndStep(AnimatedSprite& sprite, QImage& target) {
  if (!normaliseFrame(sprite)) return;
  drawSprite(sprite.sprites[sprite.frame], target, sprite.px, sprite.py);
  stepSprite(sprite);
}

std::vector<QRect> BoardPainter::drawWhole(World& world, Random& random, const QImage& cellSheet,
                                           AnimatedSprite& marker, QImage& board) {
  bool usual = board.width() == kBoardPixels && board.height() == kBoardPixels;
  for (int x = 0; x < kBoardSize; ++x)
    for (int y = 0; y < kBoardSize; ++y) {
      const Cell& cell = world.cell(x, y);
      shown_[x * kBoardSize + y] = shownKey(cell);
      if (cell.visible && !usualCell(cell, x, y, cellSheet)) usual = false;
    }
  const bool hasMarker = normaliseFrame(marker);
  marker_ = {marker.px, marker.py, hasMarker ? marker.frame : -1};
  drawCells(world, random, cellSheet, board);
  drawAndStep(marker, board);
  // After a cell out of its square the next step draws everything again too.
  valid_ = usual;
  sheetKey_ = cellSheet.cacheKey();
  return {board.rect()};
}

bool BoardPainter::findChangedCells(const World& world, const QImage& cellSheet, Squares& dirty) const {
  for (int x = 0; x < kBoardSize; ++x)
    for (int y = 0; y < kBoardSize; ++y) {
      const Cell& cell = world.cell(x, y);
      if (cell.visible && !usualCell(cell, x, y, cellSheet)) return false;
      if (shownKey(cell) != shown_[x * kBoardSize + y]) dirty[x * kBoardSize + y] = true;
    }
  return true;
}

QRect BoardPainter::markerArea(const MarkerShown& shown, const AnimatedSprite& marker,
                               const QRect& boardRect) {
  if (shown.frame < 0) return {};
  const Sprite& s = marker.sprites[shown.frame];
  return QRect(shown.px, shown.py, s.width, s.height) & boardRect;
}

void BoardPainter::markSquaresUnder(const QRect& area, Squares& dirty) {
  if (area.isEmpty()) return;
  for (int x = area.left() / kCellPixels; x <= area.right() / kCellPixels; ++x)
    for (int y = area.top() / kCellPixels; y <= area.bottom() / kCellPixels; ++y)
      dirty[x * kBoardSize + y] = true;
}

std::vector<QRect> BoardPainter::copyChangedSquares(const World& world, const QImage& cellSheet,
                                                    const Squares& dirty, QImage& board) {
  std::vector<QRect> changed;
  // Nothing to draw: the picture is not even touched (bits() would detach a shared one).
  if (std::ranges::find(dirty, true) == dirty.end()) return changed;
  uchar* const bits = board.bits();
  const qsizetype stride = board.bytesPerLine();
  for (int y = 0; y < kBoardSize; ++y) {
    int runStart = -1;
    for (int x = 0; x <= kBoardSize; ++x) {
      if (x < kBoardSize && dirty[x * kBoardSize + y]) {
        const Cell& cell = world.cell(x, y);
        shown_[x * kBoardSize + y] = shownKey(cell);
        paintSquare(cell, cellSheet, bits + y * kCellPixels * stride + x * kCellPixels * 4, stride);
        if (runStart < 0) runStart = x;
      } else if (runStart >= 0) {
        // Neighbouring squares of a row go to the screen as one rectangle.
        changed.emplace_back(runStart * kCellPixels, y * kCellPixels, (x - runStart) * kCellPixels,
                             kCellPixels);
        runStart = -1;
      }
    }
  }
  return changed;
}

std::vector<QRect> BoardPainter::step(World& world, Random& random, const QImage& cellSheet,
                                      AnimatedSprite& marker, QImage& board) {
  Squares dirty{};
  if (!valid_ || sheetKey_ != cellSheet.cacheKey() || board.width() != kBoardPixels ||
      board.height() != kBoardPixels || !findChangedCells(world, cellSheet, dirty))
    return drawWhole(world, random, cellSheet, marker, board);

  const bool hasMarker = normaliseFrame(marker);
  const MarkerShown markerNow{marker.px, marker.py, hasMarker ? marker.frame : -1};
  const QRect newMarker = markerArea(markerNow, marker, board.rect());
  // Sprite frames of the same index are the same picture only for the same
  // sprites; the marker's are set once, at the window's creation.
  const bool markerChanged = !(markerNow == marker_);
  if (markerChanged) {
    // The squares under the marker, where it was drawn and where it goes now.
    markSquaresUnder(markerArea(marker_, marker, board.rect()), dirty);
    markSquaresUnder(newMarker, dirty);
  }
  std::vector<QRect> changed = copyChangedSquares(world, cellSheet, dirty, board);
  const auto underMarker = [&](const QRect& r) { return r.intersects(newMarker); };
  const bool drawMarker = markerChanged || std::ranges::any_of(changed, underMarker);
  if (drawMarker && markerNow.frame >= 0) {
    // Drawing a masked sprite twice over itself gives the same pixels, so
    // squares under it that were not drawn again may take it once more.
    drawSprite(marker.sprites[markerNow.frame], board, marker.px, marker.py);
    if (!newMarker.isEmpty()) changed.push_back(newMarker);
  }
  marker_ = markerNow;

  stepCells(world, random);
  if (hasMarker) stepSprite(marker);
  return changed;
}

bool SpritePainter::step(AnimatedSprite& sprite, QImage& target, const QColor& background) {
  if (!normaliseFrame(sprite)) {
    // Nothing to show but the background.
    const bool first = !valid_;
    if (first) target.fill(background);
    valid_ = true;
    frame_ = -1;
    return first;
  }
  const bool redraw = !valid_ || sprite.px != px_ || sprite.py != py_ || sprite.frame != frame_;
  if (redraw) {
    target.fill(background);
    drawSprite(sprite.sprites[sprite.frame], target, sprite.px, sprite.py);
    valid_ = true;
    px_ = sprite.px;
    py_ = sprite.py;
    frame_ = sprite.frame;
  }
  stepSprite(sprite);
  return redraw;
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
