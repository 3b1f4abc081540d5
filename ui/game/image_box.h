// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A paint area that shows one off-screen picture, enlarged by a whole factor
// on a high-density screen so the pixel art stays crisp. The board reports
// the pointer in board pixels.
#include <QImage>
#include <QWidget>
#include <vector>

namespace klebony {

class ImageBox : public QWidget {
  Q_OBJECT
 public:
  ImageBox(const QSize& logicalSize, QWidget* parent = nullptr);

  // Takes the finished picture of this step and schedules one copy to the screen.
  void present(const QImage& picture);
  // The same when only the given rectangles of the picture changed since the
  // last present: only they are copied and repainted.
  void present(const QImage& picture, const std::vector<QRect>& changed);
  const QImage& shown() const { return shown_; }
  // The whole factor used on this screen.
  int scaleFactor() const;

 signals:
  void pointerMoved(int px, int py);
  void pointerPressed(int px, int py);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  QPoint toPicture(const QPointF& pos) const;

  QSize logical_;
  QImage shown_;
};

}  // namespace klebony
