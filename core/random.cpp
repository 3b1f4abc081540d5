// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/random.h"

#include <chrono>

namespace klebony {

Random::Random() { seedFromClock(); }

void Random::seed(uint64_t value) {
  // Fold the high half in so that seeds differing only above bit 31 differ.
  generator_.seed(static_cast<std::mt19937::result_type>(value ^ (value >> 32)));
}

void Random::seedFromClock() {
  seed(static_cast<uint64_t>(std::chrono::system_clock::now().time_since_epoch().count()));
}

void Random::queue(int64_t value, int64_t count) {
  if (count <= 0) return;
  if (!queue_.empty() && queue_.back().value == value)
    queue_.back().count += count;
  else
    queue_.push_back({value, count});
  queued_ += count;
}

int32_t Random::operator()(int32_t n) {
  if (n < 0) n = 0;
  if (!queue_.empty()) {
    const int64_t v = queue_.front().value;
    if (--queue_.front().count == 0) queue_.pop_front();
    --queued_;
    bool fits = n == 0 ? v == 0 : (v >= 0 && v < n);
    if (!fits)
      throw ScriptedDrawError("queued draw " + std::to_string(v) + " does not fit random(" +
                              std::to_string(n) + ")");
    return static_cast<int32_t>(v);
  }
  if (n == 0) return 0;
  if (scriptOnly_) throw ScriptedDrawError("the scripted draws ran dry at random(" + std::to_string(n) + ")");
  return static_cast<int32_t>(generator_() % static_cast<uint32_t>(n));
}

}  // namespace klebony
