// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/shell/desktop.h"

#include <QDesktopServices>
#include <QStandardPaths>
#include <QUrl>

namespace klebony {

void QtDesktopPort::openUrl(const QString& url) {
  // Qt hands links to xdg-open, and without it only complains on standard
  // error; the package recommends xdg-utils, and a desktop without it keeps
  // the about box quiet.
  if (QStandardPaths::findExecutable(QStringLiteral("xdg-open")).isEmpty()) return;
  QDesktopServices::openUrl(QUrl(url));
}

}  // namespace klebony
