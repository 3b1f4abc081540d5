// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game's help, as the help panel shows it.
#include <QString>

namespace klebony {

QString helpText();

}  // namespace klebony
