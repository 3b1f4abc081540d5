// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How a save or a load ended.
#include <string>

namespace klebony {

// Success, or the step that failed with the system's error number (or,
// where no system call failed, why).
struct FileResult {
  const char* step = nullptr;    // nothing on success: "writing", "checking the contents"...
  int error = 0;                 // errno of the failing call, 0 when none failed
  const char* reason = nullptr;  // what was wrong when no call failed

  static FileResult failed(const char* step, int error) { return {step, error, nullptr}; }
  static FileResult refused(const char* step, const char* reason) { return {step, 0, reason}; }
  explicit operator bool() const { return step == nullptr; }
  // "creating the temporary file: Permission denied", "not a saved game (checking the contents)".
  std::string describe() const;
};

}  // namespace klebony
