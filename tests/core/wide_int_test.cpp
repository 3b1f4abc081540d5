// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The two-halves 128-bit integer that 32-bit targets use for the battle,
// against the compiler's own __int128 where there is one.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <random>
#include <vector>

#include "core/wide_int.h"

namespace klebony {
namespace {

#ifdef __SIZEOF_INT128__
void expectSame(WideInt got, __int128 want) {
  const auto bits = static_cast<unsigned __int128>(want);
  EXPECT_EQ(got.high(), static_cast<uint64_t>(bits >> 64));
  EXPECT_EQ(got.low(), static_cast<uint64_t>(bits));
}

// Operands over the whole range: 64-bit edges, and their products, which
// fill both halves with carries and signs.
std::vector<std::pair<WideInt, __int128>> operands() {
  std::vector<int64_t> seeds = {0,
                                1,
                                -1,
                                2,
                                -2,
                                21,
                                int64_t{1} << 31,
                                (int64_t{1} << 32) - 1,
                                int64_t{1} << 32,
                                -(int64_t{1} << 32),
                                std::numeric_limits<int64_t>::max(),
                                std::numeric_limits<int64_t>::min()};
  std::mt19937_64 draw(20240607);
  for (int i = 0; i < 8; ++i) seeds.push_back(static_cast<int64_t>(draw()));
  std::vector<std::pair<WideInt, __int128>> values;
  for (int64_t a : seeds) {
    values.emplace_back(WideInt{a}, __int128{a});
    for (int64_t b :
         {int64_t{3}, int64_t{-7}, std::numeric_limits<int64_t>::max(), static_cast<int64_t>(draw())})
      values.emplace_back(WideInt{a} * WideInt{b}, __int128{a} * b);
  }
  return values;
}

TEST(WideInt, ArithmeticAndOrderAgreeWithInt128) {
  const auto values = operands();
  for (const auto& [a, wantA] : values) {
    expectSame(-a, -static_cast<unsigned __int128>(wantA));
    if (wantA >= 0) expectSame(a / 2, wantA / 2);
    for (const auto& [b, wantB] : values) {
      const auto ua = static_cast<unsigned __int128>(wantA), ub = static_cast<unsigned __int128>(wantB);
      expectSame(a + b, static_cast<__int128>(ua + ub));
      expectSame(a - b, static_cast<__int128>(ua - ub));
      expectSame(a * b, static_cast<__int128>(ua * ub));
      EXPECT_EQ(a < b, wantA < wantB);
      EXPECT_EQ(a <= b, wantA <= wantB);
      EXPECT_EQ(a == b, wantA == wantB);
    }
  }
}
#else
TEST(WideInt, ArithmeticAndOrderAgreeWithInt128) { GTEST_SKIP() << "no __int128 to compare with"; }
#endif

}  // namespace
}  // namespace klebony
