// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Saving and loading a game at a path.
#include <optional>
#include <string>

#include "core/game.h"
#include "core/world.h"
#include "persist/file_result.h"
#include "persist/fileops.h"

namespace klebony {

// Writes the world to `path` in full or not at all: the bytes go to a file
// with no name (or, where the file system has none, a hidden one) beside the
// target, which replaces the old file only once it is complete and on disk.
// On failure the old file keeps its bytes and no stray file is left.
// Symbolic links are followed, and files in shared folders replaced, only
// where the system's protections for shared folders would allow it; the
// replaced file keeps its owner, group and permissions. A path the loader
// could not open is refused.
FileResult saveGame(const World& world, const std::string& path, FileOps& ops = systemFileOps());

// The file's bytes, when it is a regular file no longer than any save.
struct ReadResult {
  FileResult result;
  std::string bytes;
};
ReadResult readSaveFile(const std::string& path);

// Replaces the running world with the file's game; a file that cannot be
// read or is not sound leaves the game and the random source as they were.
FileResult loadGame(Game& game, const std::string& path);

// The one line a failure leaves on standard error:
// "klebony: saving /home/me/game.klb failed: writing: No space left on device".
std::string failureLine(const char* action, const std::string& path, const FileResult& result);

}  // namespace klebony
