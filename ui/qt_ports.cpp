// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt_ports.h"

#include <QFileDialog>
#include <QMessageBox>

namespace klebony {

namespace {

std::optional<QString> runDialog(QWidget* parent, QFileDialog::AcceptMode mode, const QString& title,
                                 QString& last, const QString& initialName) {
  QFileDialog dialog(parent, title);
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setOption(QFileDialog::DontConfirmOverwrite);
  dialog.setAcceptMode(mode);
  // The open dialog does not insist on an existing file: loading reports it.
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setNameFilter(QStringLiteral("Клебоны (*.klb)"));
  dialog.setDefaultSuffix(QStringLiteral("klb"));
  if (!last.isEmpty())
    dialog.selectFile(last);
  else if (!initialName.isEmpty())
    dialog.selectFile(initialName);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  const QStringList files = dialog.selectedFiles();
  if (files.isEmpty() || files.first().isEmpty()) return std::nullopt;
  last = files.first();
  return last;
}

}  // namespace

void QtMessagePort::message(QWidget* parent, const QString& text) {
  QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Клебоны"), text, QMessageBox::Ok, parent);
  box.setTextFormat(Qt::PlainText);
  box.exec();
}

bool QtMessagePort::question(QWidget* parent, const QString& text) {
  QMessageBox box(QMessageBox::Question, QStringLiteral("Клебоны"), text, QMessageBox::Yes | QMessageBox::No,
                  parent);
  box.setTextFormat(Qt::PlainText);
  box.setDefaultButton(QMessageBox::No);
  box.setEscapeButton(QMessageBox::No);
  return box.exec() == QMessageBox::Yes;
}

std::optional<QString> QtFileDialogPort::savePath(QWidget* parent) {
  return runDialog(parent, QFileDialog::AcceptSave, QStringLiteral("Сохранить игру"), lastSave_,
                   QStringLiteral("NewKlebon"));
}

std::optional<QString> QtFileDialogPort::openPath(QWidget* parent) {
  return runDialog(parent, QFileDialog::AcceptOpen, QStringLiteral("Загрузить игру"), lastOpen_, QString());
}

}  // namespace klebony
