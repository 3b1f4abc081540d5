// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/game/save_question.h"

#include <QFile>
#include <QFileInfo>

#include "persist/replace_check.h"
#include "ui/ports.h"

namespace klebony {

bool mayReplaceWithSave(MessagePort* messages, QWidget* parent, const QString& path) {
  if (!saveReplacesOtherFile(QFile::encodeName(path).toStdString())) return true;
  // Without a way to ask, the file is kept.
  if (!messages) return false;
  const QString text = QStringLiteral("Файл «%1» уже существует и не является сохраненной игрой. Заменить?");
  return messages->question(parent, text.arg(QFileInfo(path).fileName()));
}

}  // namespace klebony
