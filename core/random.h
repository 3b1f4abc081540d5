// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game's only random source. Tests and the headless driver can queue the
// values that the next draws return.
#include <cstdint>
#include <deque>
#include <random>
#include <stdexcept>
#include <string>

namespace klebony {

// Raised when a queued value does not fit the draw that takes it, or when a
// script that must cover every draw runs dry: a scripting error of a test or
// a driver script, never something a game can hit.
class ScriptedDrawError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class Random {
 public:
  Random();
  void seed(uint64_t value);
  void seedFromClock();
  // `count` copies of `value` for the next draws; kept as one run, so a long
  // run costs no more memory than a single value.
  void queue(int64_t value, int64_t count = 1);
  // For tests: once the queued values are used up, a draw is an error rather
  // than a value from the generator, so a scripted test cannot pass by luck.
  void requireScript(bool required = true) { scriptOnly_ = required; }
  // How many queued values are left.
  int64_t queued() const { return queued_; }
  void clearQueue() {
    queue_.clear();
    queued_ = 0;
  }
  // random(n): 0..n-1, and 0 for n = 0 (n < 0 is treated like 0).
  int32_t operator()(int32_t n);

 private:
  std::mt19937 generator_;
  struct Run {
    int64_t value;
    int64_t count;
  };
  std::deque<Run> queue_;
  int64_t queued_ = 0;
  bool scriptOnly_ = false;
};

}  // namespace klebony
