// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Сохранить" and "Загрузить" once the dialog has confirmed a path.
#include <string>

#include "core/game.h"

namespace klebony {

// Writes the game to `path`; a failure shows "Файл не удается создать... :(".
void saveGameAs(Game& game, const std::string& path);
// Replaces the game with the one saved at `path` and brings the window in
// line; a failure shows "Файл не удается открыть... :(" and changes nothing.
void openSavedGame(Game& game, const std::string& path);

}  // namespace klebony
