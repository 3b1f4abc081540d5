// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The help panel that lies over the board.
#include <QFrame>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace klebony {

class HelpPanel : public QFrame {
  Q_OBJECT
 public:
  explicit HelpPanel(QWidget* parent = nullptr);

  QPlainTextEdit* text() const { return text_; }
  QPushButton* closeButton() const { return close_; }

 private:
  QLabel* title_ = nullptr;
  QPlainTextEdit* text_ = nullptr;
  QPushButton* close_ = nullptr;
};

}  // namespace klebony
