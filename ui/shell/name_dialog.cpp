// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/shell/name_dialog.h"

#include <QLineEdit>
#include <QPushButton>

#include "core/game.h"
#include "persist/cp1251.h"
#include "ui/window_placement.h"

namespace klebony {

namespace {

// ---- The name dialog's layout: the name above its button
constexpr QSize kDialogSize(216, 64);
constexpr QRect kNameEdit(28, 4, 161, 24);
constexpr QRect kOkButton(76, 36, 75, 20);

}  // namespace

QValidator::State NameValidator::validate(QString& input, int& /*pos*/) const {
  const QList<uint> chars = input.toUcs4();
  if (chars.size() > kNameMaxLength) return Invalid;
  for (uint c : chars)
    if (!nameCharacterAllowed(static_cast<char32_t>(c))) return Invalid;
  return Acceptable;
}

NameDialog::NameDialog(Game& game, QWidget* parent) : QDialog(parent), game_(game) {
  setWindowTitle(QStringLiteral("Введите свое имя:"));
  setFixedSize(kDialogSize);
  setModal(true);
  keepOnScreen(this);

  nameEdit = new QLineEdit(this);
  nameEdit->setObjectName(QStringLiteral("nameEdit"));
  // The dialog's question is its title; a screen reader gives it to the field too.
  nameEdit->setAccessibleName(windowTitle());
  nameEdit->setGeometry(kNameEdit);
  // Every allowed character is one UTF-16 unit, so this limit counts characters.
  nameEdit->setMaxLength(kNameMaxLength);
  nameEdit->setValidator(new NameValidator(nameEdit));
  nameEdit->setText(QString::fromStdString(game_.window.playerName));
  connect(nameEdit, &QLineEdit::textChanged, this,
          [this](const QString& text) { game_.window.playerName = text.toStdString(); });

  okButton = new QPushButton(QStringLiteral("Ок!"), this);
  okButton->setObjectName(QStringLiteral("okButton"));
  okButton->setGeometry(kOkButton);
  okButton->setDefault(true);
  connect(okButton, &QPushButton::clicked, this, &NameDialog::confirm);
}

void NameDialog::confirm() { accept(); }

}  // namespace klebony
