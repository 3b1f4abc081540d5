#include "image_box.h"

#include <QMouseEvent>
#include <QPainter>
#include <cmath>

#include "board_draw.h"

namespace klebony {

ImageBox::ImageBox(const QSize& logicalSize, QWidget* parent) : QWidget(parent), logical_(logicalSize) {
  setFixedSize(logicalSize);
  // The whole area is repainted from the picture every time.
  setAttribute(Qt::WA_OpaquePaintEvent);
}

int ImageBox::scaleFactor() const { return std::max(1, static_cast<int>(std::lround(devicePixelRatioF()))); }

void ImageBox::present(const QImage& picture) {
  const int factor = scaleFactor();
  shown_ = scaledByWholeFactor(picture, factor);
  shown_.setDevicePixelRatio(factor);
  update();
}

void ImageBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (shown_.isNull()) {
    painter.fillRect(rect(), Qt::black);
    return;
  }
  painter.drawImage(QPoint(0, 0), shown_);
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
