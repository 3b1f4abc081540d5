// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The real message box and file dialogs behind the ports.
#include <QString>

#include "ui/ports.h"

namespace klebony {

// Modal boxes titled "Клебоны"; their texts are shown as plain text, since
// they may hold names typed by the player or read from a file.
class QtMessagePort : public MessagePort {
 public:
  void message(QWidget* parent, const QString& text) override;
  bool question(QWidget* parent, const QString& text) override;
};

// Qt's own (non-native) dialogs, so they behave alike on every desktop: the
// filter "Клебоны (*.klb)", the suffix "klb" added to a bare name, no question
// of Qt's before replacing a file (the game asks its own, and only for a file
// that is no saved game). Each dialog offers the file it chose last.
class QtFileDialogPort : public FileDialogPort {
 public:
  std::optional<QString> savePath(QWidget* parent) override;
  std::optional<QString> openPath(QWidget* parent) override;

 private:
  QString lastSave_;
  QString lastOpen_;
};

}  // namespace klebony
