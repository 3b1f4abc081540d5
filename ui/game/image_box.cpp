// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/game/image_box.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <cmath>
#include <cstring>

#include "ui/game/board_draw.h"
#include "ui/palette.h"

namespace klebony {

ImageBox::ImageBox(const QSize& logicalSize, QWidget* parent) : QWidget(parent), logical_(logicalSize) {
  setFixedSize(logicalSize);
  // The whole area is repainted from the picture every time.
  setAttribute(Qt::WA_OpaquePaintEvent);
}

int ImageBox::scaleFactor() const { return std::max(1, static_cast<int>(std::lround(devicePixelRatioF()))); }

void ImageBox::present(const QImage& picture) {
  const int factor = scaleFactor();
  // A copy of its own, so that the next step's drawing does not copy the
  // whole picture away from what is shown.
  shown_ = factor == 1 ? picture.copy() : scaledByWholeFactor(picture, factor);
  shown_.setDevicePixelRatio(factor);
  update();
}

void ImageBox::present(const QImage& picture, const std::vector<QRect>& changed) {
  const int factor = scaleFactor();
  if (shown_.isNull() || shown_.format() != picture.format() || shown_.size() != picture.size() * factor ||
      shown_.devicePixelRatio() != factor) {
    present(picture);
    return;
  }
  uchar* const bits = shown_.bits();
  const qsizetype stride = shown_.bytesPerLine();
  for (const QRect& change : changed) {
    const QRect r = change & picture.rect();
    if (r.isEmpty()) continue;
    // The rectangle enlarged by the whole factor, pixel by pixel.
    for (int y = r.top(); y <= r.bottom(); ++y) {
      const auto* src = reinterpret_cast<const quint32*>(picture.constScanLine(y)) + r.left();
      auto* first = reinterpret_cast<quint32*>(bits + y * factor * stride) + r.left() * factor;
      if (factor == 1) {
        std::memcpy(first, src, sizeof(quint32) * r.width());
        continue;
      }
      for (int x = 0; x < r.width(); ++x)
        for (int k = 0; k < factor; ++k) first[x * factor + k] = src[x];
      for (int k = 1; k < factor; ++k)
        std::memcpy(reinterpret_cast<quint32*>(bits + (y * factor + k) * stride) + r.left() * factor, first,
                    sizeof(quint32) * r.width() * factor);
    }
    update(r);
  }
}

void ImageBox::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  if (shown_.isNull()) {
    painter.fillRect(rect(), palette::kFog);
    return;
  }
  // Only the parts asked for: the rest of the screen already shows them.
  const qreal factor = shown_.devicePixelRatio();
  for (const QRect& r : event->region()) {
    const QRectF source(r.x() * factor, r.y() * factor, r.width() * factor, r.height() * factor);
    painter.drawImage(QRectF(r), shown_, source);
  }
}

QPoint ImageBox::toPicture(const QPointF& pos) const {
  // The widget may be laid out larger than the picture; map back to picture pixels.
  const double sx = width() > 0 ? static_cast<double>(logical_.width()) / width() : 1.0;
  const double sy = height() > 0 ? static_cast<double>(logical_.height()) / height() : 1.0;
  return {static_cast<int>(std::floor(pos.x() * sx)), static_cast<int>(std::floor(pos.y() * sy))};
}

void ImageBox::mouseMoveEvent(QMouseEvent* event) {
  const QPoint p = toPicture(event->position());
  emit pointerMoved(p.x(), p.y());
}

void ImageBox::mousePressEvent(QMouseEvent* event) {
  const QPoint p = toPicture(event->position());
  emit pointerPressed(p.x(), p.y());
}

}  // namespace klebony
