#pragma once
// The game's only random source. Tests and the headless driver can queue the
// values that the next draws return.
#include <cstdint>
#include <deque>
#include <random>
#include <stdexcept>
#include <string>

namespace klebony {

// Raised only when a queued value does not fit the draw that takes it: a
// scripting error of a test or a driver script, never something a game can hit.
class ScriptedDrawError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class Random {
 public:
  Random();
  void seed(uint64_t value);
  void seedFromClock();
  void queue(int64_t value);
  std::size_t queued() const { return queue_.size(); }
  void clearQueue() { queue_.clear(); }
  // random(n): 0..n-1, and 0 for n = 0 (n < 0 is treated like 0).
  int32_t operator()(int32_t n);

 private:
  std::mt19937 generator_;
  std::deque<int64_t> queue_;
};

}  // namespace klebony
