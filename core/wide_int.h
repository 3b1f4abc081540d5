// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A signed 128-bit integer for the battle's closed form, where the compiler
// has none: GCC on 32-bit targets (armhf) lacks __int128. Two's complement in
// two 64-bit halves, so +, - and * wrap modulo 2^128 exactly as __int128 does,
// and within the battle's magnitudes they never wrap at all.
#include <cstdint>

namespace klebony {

class WideInt {
 public:
  constexpr WideInt() = default;
  // Implicit, as for a built-in integer: the battle mixes it with int64 values.
  constexpr WideInt(int64_t v) : high_(v < 0 ? ~uint64_t{0} : 0), low_(static_cast<uint64_t>(v)) {}  // NOLINT

  friend constexpr WideInt operator+(WideInt a, WideInt b) {
    const uint64_t low = a.low_ + b.low_;
    return {a.high_ + b.high_ + (low < a.low_ ? 1 : 0), low};
  }
  friend constexpr WideInt operator-(WideInt a) { return WideInt{~a.high_, ~a.low_} + WideInt{0, 1}; }
  friend constexpr WideInt operator-(WideInt a, WideInt b) { return a + -b; }
  friend constexpr WideInt operator*(WideInt a, WideInt b) {
    // The low halves' full product, then the cross terms that reach the high half.
    WideInt product = multiplyHalves(a.low_, b.low_);
    product.high_ += a.low_ * b.high_ + a.high_ * b.low_;
    return product;
  }
  // Halving of a value that is not negative; all the battle's search divides.
  friend constexpr WideInt operator/(WideInt a, int two) {
    return two == 2 && !a.negative() ? WideInt{a.high_ >> 1, (a.low_ >> 1) | (a.high_ << 63)} : WideInt{};
  }
  constexpr WideInt& operator++() { return *this = *this + 1; }
  constexpr WideInt& operator+=(WideInt b) { return *this = *this + b; }
  constexpr WideInt& operator-=(WideInt b) { return *this = *this - b; }

  friend constexpr bool operator==(WideInt a, WideInt b) { return a.high_ == b.high_ && a.low_ == b.low_; }
  friend constexpr bool operator<(WideInt a, WideInt b) {
    if (a.high_ != b.high_) return static_cast<int64_t>(a.high_) < static_cast<int64_t>(b.high_);
    return a.low_ < b.low_;
  }
  friend constexpr bool operator>(WideInt a, WideInt b) { return b < a; }
  friend constexpr bool operator<=(WideInt a, WideInt b) { return !(b < a); }

  constexpr uint64_t high() const { return high_; }
  constexpr uint64_t low() const { return low_; }

 private:
  constexpr WideInt(uint64_t high, uint64_t low) : high_(high), low_(low) {}
  constexpr bool negative() const { return (high_ >> 63) != 0; }

  // The full 128-bit product of two 64-bit halves, from 32-bit pieces.
  static constexpr WideInt multiplyHalves(uint64_t a, uint64_t b) {
    const uint64_t aLow = a & 0xffffffffu, aHigh = a >> 32, bLow = b & 0xffffffffu, bHigh = b >> 32;
    const uint64_t lowLow = aLow * bLow, lowHigh = aLow * bHigh, highLow = aHigh * bLow;
    const uint64_t middle = (lowLow >> 32) + (lowHigh & 0xffffffffu) + (highLow & 0xffffffffu);
    return {aHigh * bHigh + (lowHigh >> 32) + (highLow >> 32) + (middle >> 32),
            (middle << 32) | (lowLow & 0xffffffffu)};
  }

  uint64_t high_ = 0;
  uint64_t low_ = 0;
};

// The compiler's own 128-bit integer where it has one, WideInt where not.
#ifdef __SIZEOF_INT128__
using Int128 = __int128;
#else
using Int128 = WideInt;
#endif

}  // namespace klebony
