// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/game/board_accessible.h"

#include "core/game.h"
#include "core/reading.h"
#include "ui/game/board_view.h"

namespace klebony {

namespace {

constexpr int kCellCount = kBoardSize * kBoardSize;

class CellAccessible : public QAccessibleInterface {
 public:
  CellAccessible(BoardAccessible* board, int index) : board_(board), index_(index) {}

  bool isValid() const override { return board_->isValid(); }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return board_->window(); }
  QAccessibleInterface* parent() const override { return board_; }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessibleInterface* focusChild() const override { return nullptr; }

  QString text(QAccessible::Text t) const override {
    if (t != QAccessible::Name) return {};
    return QString::fromStdString(cellReading(board_->board()->game(), x(), y()));
  }
  void setText(QAccessible::Text, const QString&) override {}
  QAccessible::Role role() const override { return QAccessible::ListItem; }

  QAccessible::State state() const override {
    QAccessible::State s;
    const BoardView* view = board_->board();
    s.focusable = true;
    s.selectable = true;
    const bool marked = view->game().window.hoverX == x() && view->game().window.hoverY == y();
    s.selected = marked;
    s.focused = marked && view->hasFocus();
    s.invisible = !view->isVisible();
    return s;
  }

  QRect rect() const override {
    const BoardView* view = board_->board();
    // The picture may be laid out larger than the board's pixels.
    const double sx = static_cast<double>(view->width()) / kBoardPixels;
    const double sy = static_cast<double>(view->height()) / kBoardPixels;
    const QPoint topLeft = view->mapToGlobal(
        QPoint(static_cast<int>(x() * kCellPixels * sx), static_cast<int>(y() * kCellPixels * sy)));
    return QRect(topLeft, QSize(static_cast<int>(kCellPixels * sx), static_cast<int>(kCellPixels * sy)));
  }

  QList<std::pair<QAccessibleInterface*, QAccessible::Relation>> relations(
      QAccessible::Relation) const override {
    return {};
  }

 private:
  int x() const { return index_ % kBoardSize; }
  int y() const { return index_ / kBoardSize; }

  BoardAccessible* board_;
  int index_;
};

}  // namespace

BoardAccessible::BoardAccessible(BoardView* board) : QAccessibleWidget(board, QAccessible::List) {}

BoardAccessible::~BoardAccessible() {
  for (QAccessible::Id id : cells_)
    if (id) QAccessible::deleteAccessibleInterface(id);
}

int BoardAccessible::childIndex(int x, int y) { return y * kBoardSize + x; }

BoardView* BoardAccessible::board() const { return static_cast<BoardView*>(widget()); }

int BoardAccessible::childCount() const { return kCellCount; }

QAccessibleInterface* BoardAccessible::child(int index) const {
  if (index < 0 || index >= kCellCount) return nullptr;
  if (cells_.empty()) cells_.assign(kCellCount, 0);
  QAccessible::Id& id = cells_[index];
  if (!id)
    id = QAccessible::registerAccessibleInterface(
        new CellAccessible(const_cast<BoardAccessible*>(this), index));
  return QAccessible::accessibleInterface(id);
}

int BoardAccessible::indexOfChild(const QAccessibleInterface* child) const {
  for (std::size_t i = 0; i < cells_.size(); ++i)
    if (cells_[i] && QAccessible::accessibleInterface(cells_[i]) == child) return static_cast<int>(i);
  return -1;
}

QAccessibleInterface* BoardAccessible::focusChild() const {
  const BoardView* view = board();
  if (!view->hasFocus()) return nullptr;
  return child(childIndex(view->game().window.hoverX, view->game().window.hoverY));
}

QAccessibleInterface* BoardAccessible::childAt(int x, int y) const {
  const BoardView* view = board();
  const QPoint p = view->mapFromGlobal(QPoint(x, y));
  if (!view->rect().contains(p)) return nullptr;
  const int cx = p.x() * kBoardPixels / std::max(1, view->width()) / kCellPixels;
  const int cy = p.y() * kBoardPixels / std::max(1, view->height()) / kCellPixels;
  return child(childIndex(cx, cy));
}

}  // namespace klebony
