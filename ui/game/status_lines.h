// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The two status lines under the board, and the credits bar at the window's foot.
#include <QFrame>

class QLabel;

namespace klebony {

class StatusLines : public QFrame {
  Q_OBJECT
 public:
  explicit StatusLines(QWidget* parent = nullptr);
  void setLines(const QString& upper, const QString& lower);
  QLabel* upper() const { return upper_; }
  QLabel* lower() const { return lower_; }

 private:
  QLabel* upper_ = nullptr;
  QLabel* lower_ = nullptr;
};

class CreditsBar : public QWidget {
  Q_OBJECT
 public:
  explicit CreditsBar(QWidget* parent = nullptr);
};

}  // namespace klebony
