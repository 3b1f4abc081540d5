// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where a save goes: the path walked one name at a time, so that no link
// planted by another user and no folder swapped half-way can send the bytes
// elsewhere, and the checks on the file that the save would replace.
#include <sys/stat.h>

#include <string>

#include "persist/fd.h"
#include "persist/file_result.h"

namespace klebony {

// A name in an open folder. Every folder on the way was opened without
// following a link.
struct SaveTarget {
  Fd folder;
  std::string name;
  bool exists = false;
  struct stat st = {};  // of the file there, when it exists
};

// Walks the path as the kernel would, but follows a symbolic link only where
// the kernel's protection of shared folders would (fs.protected_symlinks=1).
// A link at the end is followed to its file, so the link itself survives.
FileResult findSaveTarget(const std::string& path, SaveTarget& target);

// Looks at the name again (another save may just have created the file).
FileResult restatSaveTarget(SaveTarget& target);

// Whether the existing file may be replaced: a regular file, writable, with
// one name, and in a shared folder the player's or the folder owner's.
FileResult checkReplaceable(const SaveTarget& target);

// A sticky folder that everyone may write to, as /tmp is.
bool isSharedFolder(const struct stat& folder);

}  // namespace klebony
