// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The driver's `dump`: the game as one line of JSON.
#include <string>

#include "core/game.h"

namespace klebony::headless {

std::string dumpJson(const Game& game);

}  // namespace klebony::headless
