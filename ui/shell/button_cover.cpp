// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/shell/button_cover.h"

#include <QAbstractButton>
#include <QEvent>
#include <QImage>
#include <QPaintEvent>
#include <QWidget>
#include <cmath>

namespace klebony {

ButtonCover::ButtonCover(QWidget* window) : QObject(window), window_(window) {
  for (QAbstractButton* b : window->findChildren<QAbstractButton*>(Qt::FindDirectChildrenOnly)) {
    Entry e;
    e.button = b;
    entries_.push_back(std::move(e));
    b->installEventFilter(this);
  }
}

bool ButtonCover::eventFilter(QObject* watched, QEvent* event) {
  // Whatever may change a button's look (the pointer, focus, a press, its
  // size, palette, font or style, the window's activation) sends it one of
  // these: measure again before the next use.
  switch (event->type()) {
    case QEvent::Enter:
    case QEvent::Leave:
    case QEvent::HoverEnter:
    case QEvent::HoverLeave:
    case QEvent::FocusIn:
    case QEvent::FocusOut:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Resize:
    case QEvent::Move:
    case QEvent::EnabledChange:
    case QEvent::PaletteChange:
    case QEvent::FontChange:
    case QEvent::StyleChange:
    case QEvent::WindowActivate:
    case QEvent::WindowDeactivate:
    case QEvent::Show:
      for (Entry& e : entries_)
        if (e.button == watched) e.known = e.beneathKnown = false;
      break;
    case QEvent::Paint:
      // A paint that reaches past the see-through pixels is none of ours
      // (setDown(), a new text...): measure again too.
      if (!measuring_)
        for (Entry& e : entries_)
          if (e.button == watched && e.known) {
            const QRegion through = QRegion(e.button->geometry()) - e.hidden;
            const QRegion painted = static_cast<QPaintEvent*>(event)->region().translated(e.button->pos());
            if (!(painted - through).isEmpty()) e.known = e.beneathKnown = false;
          }
      break;
    default:
      break;
  }
  return QObject::eventFilter(watched, event);
}

QRegion ButtonCover::measure(QAbstractButton* button) {
  const qreal ratio = window_->devicePixelRatioF();
  const int k = static_cast<int>(std::lround(ratio));
  // Only whole pixel ratios map screen pixels to window pixels one to k x k.
  if (k < 1 || std::abs(ratio - k) > 1e-6 || button->size().isEmpty()) return {};
  QImage overBlack(button->size() * k, QImage::Format_RGB32);
  overBlack.setDevicePixelRatio(k);
  overBlack.fill(Qt::black);
  QImage overWhite = overBlack.copy();
  overWhite.fill(Qt::white);
  measuring_ = true;
  button->render(&overBlack, QPoint(), QRegion(), QWidget::DrawChildren);
  button->render(&overWhite, QPoint(), QRegion(), QWidget::DrawChildren);
  measuring_ = false;
  QRegion hidden;
  const QPoint at = button->pos();
  for (int y = 0; y < button->height(); ++y) {
    int runStart = -1;
    for (int x = 0; x <= button->width(); ++x) {
      bool same = x < button->width();
      for (int j = 0; same && j < k; ++j) {
        const auto* b = reinterpret_cast<const quint32*>(overBlack.constScanLine(y * k + j)) + x * k;
        const auto* w = reinterpret_cast<const quint32*>(overWhite.constScanLine(y * k + j)) + x * k;
        for (int i = 0; same && i < k; ++i) same = b[i] == w[i];
      }
      if (same && runStart < 0) runStart = x;
      if (!same && runStart >= 0) {
        hidden += QRect(at.x() + runStart, at.y() + y, x - runStart, 1);
        runStart = -1;
      }
    }
  }
  return hidden;
}

QRegion ButtonCover::hiddenBy(QAbstractButton* button) {
  for (Entry& e : entries_) {
    if (e.button != button) continue;
    if (!e.known) {
      e.hidden = measure(button);
      e.known = true;
    }
    return e.hidden;
  }
  return {};
}

QRegion ButtonCover::visiblePart(const std::vector<QRect>& changed, const QRect& clip,
                                 const QImage& picture) {
  QRect bounds;
  for (const QRect& r : changed) bounds |= r;
  bounds &= clip;
  QRegion region(bounds);
  for (Entry& e : entries_) {
    if (!e.button || !e.button->isVisible() || !bounds.intersects(e.button->geometry())) continue;
    const QRegion hidden = hiddenBy(e.button);
    // The button's look depends on the picture only through its see-through
    // pixels: where none of them changed, none of it is painted.
    std::vector<QRgb> beneath;
    for (const QRect& r : QRegion(e.button->geometry()) - hidden)
      for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
          beneath.push_back(picture.valid(x, y) ? picture.pixel(x, y) : 0);
    const bool same = e.beneathKnown && beneath == e.beneath;
    e.beneath = std::move(beneath);
    e.beneathKnown = true;
    region -= same ? QRegion(e.button->geometry()) : hidden;
  }
  return region;
}

}  // namespace klebony
