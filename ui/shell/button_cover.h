// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where a window's buttons hide whatever lies beneath them. A button paints
// most of itself opaquely; only a few pixels of its edge (rounded corners)
// let the window's own picture through. A change of the picture that lies
// wholly under the opaque part need not be painted: the screen would not
// change. This saves repainting the buttons (their text layout above all)
// at every step of an animation behind them.
#include <QImage>
#include <QObject>
#include <QPointer>
#include <QRegion>
#include <vector>

class QAbstractButton;
class QWidget;

namespace klebony {

class ButtonCover : public QObject {
 public:
  // Watches the window's direct child buttons.
  explicit ButtonCover(QWidget* window);

  // What must be painted of `picture` (drawn at the window's top-left) for
  // its changed rectangles: the rectangle around them inside `clip`, less
  // what the visible buttons hide, and less the whole of a button whose
  // see-through pixels show the same as when it was last asked.
  QRegion visiblePart(const std::vector<QRect>& changed, const QRect& clip, const QImage& picture);
  // The part of a button (window coordinates) that hides the window beneath
  // it, found by painting the button over black and over white: the pixels
  // that come out the same do not depend on what lies beneath. Measured
  // again after anything that may change the button's look, and after any
  // paint of the button beyond its see-through pixels.
  QRegion hiddenBy(QAbstractButton* button);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Entry {
    QPointer<QAbstractButton> button;
    QRegion hidden;
    bool known = false;
    // The picture's pixels under the see-through part, as last painted.
    std::vector<QRgb> beneath;
    bool beneathKnown = false;
  };
  QRegion measure(QAbstractButton* button);

  QWidget* window_;
  std::vector<Entry> entries_;
  bool measuring_ = false;
};

}  // namespace klebony
