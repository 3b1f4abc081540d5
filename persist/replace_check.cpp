// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "persist/replace_check.h"

#include <sys/stat.h>

#include "persist/savefile.h"
#include "persist/saveload.h"

namespace klebony {

bool holdsSavedGame(const std::string& path) {
  const ReadResult read = readSaveFile(path);
  return read.result && decodeSave(read.bytes).has_value();
}

bool saveReplacesOtherFile(const std::string& path) {
  struct stat st = {};
  if (path.empty() || path.find('\0') != std::string::npos || ::stat(path.c_str(), &st) != 0) return false;
  return S_ISREG(st.st_mode) && !holdsSavedGame(path);
}

}  // namespace klebony
