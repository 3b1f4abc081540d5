// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/sprite.h"

#include <algorithm>
#include <cstring>

namespace klebony {

namespace {

bool insideSheet(const QImage& sheet, int x, int y, int w, int h) {
  return x >= 0 && y >= 0 && x + w <= sheet.width() && y + h <= sheet.height();
}

// Rows of a fixed width, four pixels at a time (GCC and Clang vector
// extensions; plain code where the machine has no vector unit). This is what
// makes a full board of cells cheap.
using Pixels4 = quint32 __attribute__((vector_size(16)));

inline Pixels4 load4(const uchar* p) {
  Pixels4 v;
  std::memcpy(&v, p, sizeof v);
  return v;
}

template <int W>
void blendRows(uchar* dst, qsizetype dstStride, const uchar* mask, const uchar* pic, qsizetype srcStride,
               int rows) {
  static_assert(W % 4 == 0);
  for (int j = 0; j < rows; ++j, dst += dstStride, mask += srcStride, pic += srcStride)
    for (int i = 0; i < W * 4; i += 16) {
      const Pixels4 v = (load4(dst + i) & load4(mask + i)) | load4(pic + i);
      std::memcpy(dst + i, &v, sizeof v);
    }
}

}  // namespace

void drawSprite(const Sprite& s, QImage& target, int x, int y) {
  if (!s.sheet || s.width <= 0 || s.height <= 0) return;
  const QImage& sheet = *s.sheet;
  // A frame that lies (partly) off its sheet would read foreign memory: draw nothing.
  if (!insideSheet(sheet, s.imageX, s.imageY, s.width, s.height) ||
      !insideSheet(sheet, s.maskX, s.maskY, s.width, s.height))
    return;
  const int x0 = std::max(0, -x);
  const int y0 = std::max(0, -y);
  const int x1 = std::min(s.width, target.width() - x);
  const int y1 = std::min(s.height, target.height() - y);
  if (x0 >= x1 || y0 >= y1) return;
  // bits() once: scanLine() on the target would check for sharing on every row.
  uchar* const dstBase = target.bits();
  const qsizetype dstStride = target.bytesPerLine();
  const uchar* const srcBase = sheet.constBits();
  const qsizetype srcStride = sheet.bytesPerLine();
  if (x0 == 0 && x1 == s.width) {
    uchar* dst = dstBase + (y + y0) * dstStride + x * 4;
    const uchar* mask = srcBase + (s.maskY + y0) * srcStride + s.maskX * 4;
    const uchar* pic = srcBase + (s.imageY + y0) * srcStride + s.imageX * 4;
    switch (s.width) {
      case 12:  // a board cell or the marker
        return blendRows<12>(dst, dstStride, mask, pic, srcStride, y1 - y0);
      case 32:  // the heart
        return blendRows<32>(dst, dstStride, mask, pic, srcStride, y1 - y0);
      default:
        break;
    }
  }
  for (int j = y0; j < y1; ++j) {
    auto* dst = reinterpret_cast<quint32*>(dstBase + (y + j) * dstStride) + x;
    const auto* mask = reinterpret_cast<const quint32*>(srcBase + (s.maskY + j) * srcStride) + s.maskX;
    const auto* pic = reinterpret_cast<const quint32*>(srcBase + (s.imageY + j) * srcStride) + s.imageX;
    for (int i = x0; i < x1; ++i) dst[i] = (dst[i] & mask[i]) | pic[i];
  }
}

std::vector<Sprite> cutFrames(const QImage& sheet, int count, int w, int h, int x0, int y0) {
  std::vector<Sprite> frames;
  frames.reserve(count);
  for (int i = 0; i < count; ++i) frames.push_back({&sheet, x0 + i * w, y0, x0 + i * w, y0 + h, w, h});
  return frames;
}

}  // namespace klebony
