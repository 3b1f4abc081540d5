// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a save would replace: the game saves over its own saves without a
// question, but asks before it replaces a file of any other kind.
#include <string>

namespace klebony {

// Whether the file at `path` is a saved game: the loader's own reading and
// checks, with nothing of the running game touched.
bool holdsSavedGame(const std::string& path);

// Whether saving at `path` would replace a file that is no saved game: a
// regular file there (a link followed) that the loader refuses. No file, a
// saved game, or something no save replaces (a folder, a device) is not.
bool saveReplacesOtherFile(const std::string& path);

}  // namespace klebony
