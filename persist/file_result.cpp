// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "persist/file_result.h"

#include <system_error>

namespace klebony {

std::string FileResult::describe() const {
  if (!step) return "done";
  if (error != 0) return std::string(step) + ": " + std::generic_category().message(error);
  return std::string(reason ? reason : "failed") + " (" + step + ")";
}

}  // namespace klebony
