// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "persist/cp1251.h"
#include <algorithm>

#include <array>
#include <cstdint>

namespace klebony {
namespace {

constexpr char32_t kUnassigned = 0xFFFD;

// 0x80..0xBF; 0x00..0x7F are ASCII and 0xC0..0xFF are U+0410..U+044F.
constexpr std::array<char32_t, 64> kHigh = {
    0x0402,      0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0x20AC,      0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,  // 88
    0x0452,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    kUnassigned, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,  // 98
    0x00A0,      0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,  // A0
    0x0401,      0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,  // A8
    0x00B0,      0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,  // B0
    0x0451,      0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,  // B8
};

char32_t decodeByte(unsigned char b) {
  if (b < 0x80) return b;
  if (b >= 0xC0) return 0x0410 + (b - 0xC0);
  return kHigh[b - 0x80];
}

std::optional<unsigned char> encodeChar(char32_t c) {
  if (c < 0x80) return static_cast<unsigned char>(c);
  if (c >= 0x0410 && c <= 0x044F) return static_cast<unsigned char>(0xC0 + (c - 0x0410));
  if (c == kUnassigned) return std::nullopt;
  for (std::size_t i = 0; i < kHigh.size(); ++i) {
    if (kHigh[i] == c) return static_cast<unsigned char>(0x80 + i);
  }
  return std::nullopt;
}

void appendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    // The table holds nothing beyond the Basic Multilingual Plane.
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

// Strict UTF-8: no overlong forms, no surrogates, nothing past U+10FFFF.
std::optional<char32_t> nextUtf8(std::string_view s, std::size_t& i) {
  const auto b0 = static_cast<unsigned char>(s[i]);
  int extra = 0;
  char32_t c = 0;
  char32_t least = 0;
  if (b0 < 0x80) {
    ++i;
    return b0;
  } else if (b0 >= 0xC2 && b0 <= 0xDF) {
    extra = 1, c = b0 & 0x1F, least = 0x80;
  } else if (b0 >= 0xE0 && b0 <= 0xEF) {
    extra = 2, c = b0 & 0x0F, least = 0x800;
  } else if (b0 >= 0xF0 && b0 <= 0xF4) {
    extra = 3, c = b0 & 0x07, least = 0x10000;
  } else {
    return std::nullopt;
  }
  if (s.size() - i <= static_cast<std::size_t>(extra)) return std::nullopt;
  for (int k = 1; k <= extra; ++k) {
    const auto b = static_cast<unsigned char>(s[i + k]);
    if ((b & 0xC0) != 0x80) return std::nullopt;
    c = (c << 6) | (b & 0x3F);
  }
  if (c < least || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return std::nullopt;
  i += extra + 1;
  return c;
}

}  // namespace

bool cp1251Representable(char32_t c) { return encodeChar(c).has_value(); }

bool nameCharacterAllowed(char32_t c) { return c >= 0x20 && c != 0x7f && cp1251Representable(c); }

bool acceptableName(std::string_view utf8) {
  const auto bytes = utf8ToCp1251(utf8);
  if (!bytes || bytes->size() > static_cast<std::size_t>(kNameMaxLength)) return false;
  // One byte a character, and the code page's control characters are its first 32 and 0x7f.
  return std::none_of(bytes->begin(), bytes->end(), [](char b) {
    const auto u = static_cast<unsigned char>(b);
    return u < 0x20 || u == 0x7f;
  });
}

std::optional<std::string> utf8ToCp1251(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  std::size_t i = 0;
  while (i < utf8.size()) {
    const auto c = nextUtf8(utf8, i);
    if (!c) return std::nullopt;
    const auto b = encodeChar(*c);
    if (!b) return std::nullopt;
    out += static_cast<char>(*b);
  }
  return out;
}

std::string cp1251ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() * 2);
  for (const char ch : bytes) appendUtf8(out, decodeByte(static_cast<unsigned char>(ch)));
  return out;
}

}  // namespace klebony
