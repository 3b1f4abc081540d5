// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// For scripts that drive the real program (tests/e2e): with KLEBONY_ACTION_PIPE
// naming a FIFO, each line written to it names a QAction by its object name
// ("saveAction"), which is triggered as its menu item would be. A script then
// chooses a command by name instead of counting its place in a menu. Without
// the variable nothing is opened.
#include <QObject>

namespace klebony {

// Listens for as long as the returned object lives; nullptr without the variable.
QObject* listenForActionNames(QObject* parent);

}  // namespace klebony
