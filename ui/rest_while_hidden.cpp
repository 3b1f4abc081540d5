// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/rest_while_hidden.h"

#include <QEvent>
#include <QWidget>

namespace klebony {

RestWhileHidden::RestWhileHidden(QWidget* window, std::vector<QTimer*> timers)
    : QObject(window), window_(window) {
  for (QTimer* t : timers) timers_.emplace_back(t);
  window->installEventFilter(this);
}

bool RestWhileHidden::eventFilter(QObject* watched, QEvent* event) {
  if (watched == window_) {
    switch (event->type()) {
      case QEvent::Show:
      case QEvent::Hide:
      case QEvent::WindowStateChange:
        update();
        break;
      default:
        break;
    }
  }
  return QObject::eventFilter(watched, event);
}

void RestWhileHidden::update() {
  // A hide event comes before isVisible() turns false only for a window
  // being closed; a minimised window may stay "visible" to Qt.
  const bool outOfSight = !window_->isVisible() || window_->isMinimized();
  if (outOfSight == resting_) return;
  resting_ = outOfSight;
  if (resting_) {
    paused_.clear();
    for (const QPointer<QTimer>& t : timers_)
      if (t && t->isActive()) {
        t->stop();
        paused_.push_back(t);
      }
  } else {
    for (const QPointer<QTimer>& t : paused_)
      if (t) t->start();
    paused_.clear();
  }
}

}  // namespace klebony
