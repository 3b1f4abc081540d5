// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A window that nobody can see does no drawing: its animation timers stop
// while it is hidden or minimised and run again when it comes back.
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <vector>

class QWidget;

namespace klebony {

class RestWhileHidden : public QObject {
  Q_OBJECT
 public:
  // Watches `window`; the timers belong to the caller and outlive this.
  RestWhileHidden(QWidget* window, std::vector<QTimer*> timers);

  // Whether the window is out of sight now (hidden or minimised).
  bool resting() const { return resting_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void update();

  QWidget* window_;
  std::vector<QPointer<QTimer>> timers_;
  // The timers that were running when the window went out of sight: only
  // they run again. One that its owner had stopped stays stopped.
  std::vector<QPointer<QTimer>> paused_;
  bool resting_ = false;
};

}  // namespace klebony
