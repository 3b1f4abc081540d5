// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "persist/commands.h"

#include <iostream>

#include "core/rules.h"
#include "persist/saveload.h"

namespace klebony {

// The player sees the game's message; standard error says which step failed
// and why, for whoever has to find out.
void saveGameAs(Game& game, const std::string& path) {
  if (const FileResult result = saveGame(game.world, path); !result) {
    std::cerr << failureLine("saving", path, result) << std::endl;
    game.out().showMessage("Файл не удается создать... :(");
  }
}

void openSavedGame(Game& game, const std::string& path) {
  if (const FileResult result = loadGame(game, path); !result) {
    std::cerr << failureLine("loading", path, result) << std::endl;
    game.out().showMessage("Файл не удается открыть... :(");
    return;
  }
  gameLoaded(game);
}

}  // namespace klebony
