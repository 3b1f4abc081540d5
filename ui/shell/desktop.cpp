// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/shell/desktop.h"

#include <QDesktopServices>
#include <QUrl>

namespace klebony {

void QtDesktopPort::openUrl(const QString& url) { QDesktopServices::openUrl(QUrl(url)); }

}  // namespace klebony
