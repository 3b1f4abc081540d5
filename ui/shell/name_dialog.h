// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The player-name dialog: one edit box whose text names the player in the
// next new game.
#include <QDialog>
#include <QValidator>

#include "persist/cp1251.h"

class QLineEdit;
class QPushButton;

namespace klebony {

struct Game;

// Accepts at most 15 characters, each one that Windows-1251 can hold, so a
// saved name always loads back the same. Control characters are refused too.
class NameValidator : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int& pos) const override;
};

class NameDialog : public QDialog {
  Q_OBJECT
 public:
  explicit NameDialog(Game& game, QWidget* parent = nullptr);

  QLineEdit* nameEdit = nullptr;
  QPushButton* okButton = nullptr;

 private:
  void confirm();

  Game& game_;
};

}  // namespace klebony
