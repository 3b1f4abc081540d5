// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window_placement.h"

#include <QEvent>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace klebony {

namespace {

QRect availableFor(const QWidget* window) {
  const QScreen* screen = window->screen();
  return screen ? screen->availableGeometry() : QRect();
}

// The size of the whole window, frame included. Before the window manager has
// framed it once, the frame is not known and only the window itself counts.
QSize frameSize(const QWidget* window) { return window->frameGeometry().size().expandedTo(window->size()); }

void moveInside(QWidget* window, QRect available) {
  if (available.isEmpty()) return;
  const QRect frame(window->frameGeometry().topLeft(), frameSize(window));
  const QRect placed = placedInside(frame, available);
  // move() places a window's frame.
  if (placed.topLeft() != frame.topLeft()) window->move(placed.topLeft());
}

class KeepOnScreen : public QObject {
 public:
  explicit KeepOnScreen(QWidget* window) : QObject(window), window_(window) {
    window->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == window_ && event->type() == QEvent::Show && !event->spontaneous())
      moveInside(window_, availableFor(window_));
    return QObject::eventFilter(watched, event);
  }

 private:
  QWidget* window_;
};

}  // namespace

QRect placedInside(QRect window, QRect available) {
  if (available.isEmpty()) return window;
  // Right and bottom first, then left and top: when the window is larger than
  // the area, its top-left corner wins.
  int x = std::min(window.x(), available.x() + available.width() - window.width());
  int y = std::min(window.y(), available.y() + available.height() - window.height());
  x = std::max(x, available.x());
  y = std::max(y, available.y());
  return QRect(QPoint(x, y), window.size());
}

QRect centredInside(QSize size, QRect available) {
  const QPoint topLeft = available.center() - QPoint(size.width() / 2, size.height() / 2);
  return placedInside(QRect(topLeft, size), available);
}

void centreOnScreen(QWidget* window, QRect available) {
  if (available.isEmpty()) available = availableFor(window);
  if (available.isEmpty()) return;
  window->move(centredInside(frameSize(window), available).topLeft());
}

void keepOnScreen(QWidget* window) { new KeepOnScreen(window); }

}  // namespace klebony
