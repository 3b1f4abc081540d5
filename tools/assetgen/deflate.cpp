// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Deflate with fixed Huffman codes and greedy LZ77 matching: plenty for
// small pixel art, and fully determined by this code (the checksum is zlib's).
#include <zlib.h>

#include <algorithm>
#include <array>
#include <cstdint>

#include "tools/assetgen/png.h"

namespace assetgen {

namespace {

class BitWriter {
 public:
  explicit BitWriter(Bytes& out) : out_(out) {}
  void bits(std::uint32_t value, int count) {  // least significant bit first
    for (int i = 0; i < count; ++i) {
      acc_ |= ((value >> i) & 1u) << used_;
      if (++used_ == 8) flushByte();
    }
  }
  void huffman(std::uint32_t code, int length) {  // Huffman codes go most significant bit first
    for (int i = length - 1; i >= 0; --i) bits((code >> i) & 1u, 1);
  }
  void finish() {
    if (used_ > 0) flushByte();
  }

 private:
  void flushByte() {
    out_.push_back(static_cast<std::uint8_t>(acc_));
    acc_ = 0;
    used_ = 0;
  }
  Bytes& out_;
  std::uint32_t acc_ = 0;
  int used_ = 0;
};

constexpr std::array<int, 29> kLengthBase = {3,  4,  5,  6,  7,  8,  9,  10, 11,  13,  15,  17,  19,  23, 27,
                                             31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
constexpr std::array<int, 29> kLengthExtra = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                              2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
constexpr std::array<int, 30> kDistBase = {1,    2,    3,    4,    5,    7,    9,    13,    17,    25,
                                           33,   49,   65,   97,   129,  193,  257,  385,   513,   769,
                                           1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
constexpr std::array<int, 30> kDistExtra = {0, 0, 0, 0, 1, 1, 2, 2,  3,  3,  4,  4,  5,  5,  6,
                                            6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13};

void literalOrLength(BitWriter& w, int symbol) {
  if (symbol < 144)
    w.huffman(0x30 + symbol, 8);
  else if (symbol < 256)
    w.huffman(0x190 + symbol - 144, 9);
  else if (symbol < 280)
    w.huffman(symbol - 256, 7);
  else
    w.huffman(0xC0 + symbol - 280, 8);
}

void match(BitWriter& w, int length, int distance) {
  int li = 28;
  while (kLengthBase[li] > length) --li;
  literalOrLength(w, 257 + li);
  w.bits(length - kLengthBase[li], kLengthExtra[li]);
  int di = 29;
  while (kDistBase[di] > distance) --di;
  w.huffman(di, 5);
  w.bits(distance - kDistBase[di], kDistExtra[di]);
}

}  // namespace

Bytes zlibCompress(const Bytes& data) {
  constexpr int kWindow = 32768, kMaxMatch = 258, kHashBits = 15, kChainLimit = 128;
  Bytes out = {0x78, 0xDA};
  BitWriter w(out);
  w.bits(1, 1);  // the only block is the last
  w.bits(1, 2);  // fixed Huffman codes

  const int n = static_cast<int>(data.size());
  std::vector<int> head(1 << kHashBits, -1), prev(n, -1);
  auto hashAt = [&](int i) {
    return ((data[i] << 10) ^ (data[i + 1] << 5) ^ data[i + 2]) & ((1 << kHashBits) - 1);
  };
  auto insert = [&](int i) {
    if (i + 2 >= n) return;
    const int h = hashAt(i);
    prev[i] = head[h];
    head[h] = i;
  };
  int i = 0;
  while (i < n) {
    int bestLen = 0, bestDist = 0;
    if (i + 2 < n) {
      int cand = head[hashAt(i)];
      for (int steps = 0; cand >= 0 && i - cand <= kWindow && steps < kChainLimit;
           ++steps, cand = prev[cand]) {
        int len = 0;
        const int limit = std::min(kMaxMatch, n - i);
        while (len < limit && data[cand + len] == data[i + len]) ++len;
        if (len > bestLen) {
          bestLen = len;
          bestDist = i - cand;
          if (len == limit) break;
        }
      }
    }
    if (bestLen >= 3) {
      match(w, bestLen, bestDist);
      for (int k = 0; k < bestLen; ++k) insert(i + k);
      i += bestLen;
    } else {
      literalOrLength(w, data[i]);
      insert(i);
      ++i;
    }
  }
  literalOrLength(w, 256);
  w.finish();
  const auto sum = static_cast<std::uint32_t>(adler32_z(adler32_z(0, nullptr, 0), data.data(), data.size()));
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<std::uint8_t>(sum >> shift));
  return out;
}

}  // namespace assetgen
