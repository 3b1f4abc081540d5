#include "sprite.h"

#include <algorithm>

namespace klebony {

void drawSprite(const Sprite& s, QImage& target, int x, int y) {
  if (!s.sheet) return;
  const int x0 = std::max(0, -x);
  const int y0 = std::max(0, -y);
  const int x1 = std::min(s.width, target.width() - x);
  const int y1 = std::min(s.height, target.height() - y);
  if (x0 >= x1 || y0 >= y1) return;
  const QImage& sheet = *s.sheet;
  for (int j = y0; j < y1; ++j) {
    auto* dst = reinterpret_cast<quint32*>(target.scanLine(y + j)) + x;
    const auto* mask = reinterpret_cast<const quint32*>(sheet.constScanLine(s.maskY + j)) + s.maskX;
    const auto* pic = reinterpret_cast<const quint32*>(sheet.constScanLine(s.imageY + j)) + s.imageX;
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
