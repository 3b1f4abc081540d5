#pragma once
// Saving and loading a game at a path.
#include <optional>
#include <string>

#include "fileops.h"
#include "game.h"
#include "world.h"

namespace klebony {

// Writes the world to `path` in full or not at all: the bytes go to a new
// file beside it, which replaces the old one only once it is complete and on
// disk. On failure the old file keeps its bytes and no stray file is left.
bool saveGame(const World& world, const std::string& path, FileOps& ops = systemFileOps());
// The file's bytes, when it is a regular file no longer than any save.
std::optional<std::string> readSaveFile(const std::string& path);
// Replaces the running world with the file's game; a file that cannot be
// read or is not sound leaves the game and the random source as they were.
bool loadGame(Game& game, const std::string& path);

}  // namespace klebony
