// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "persist/cp1251.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <string>

namespace klebony {
namespace {

// glibc's converter, as an independent reference for the hand-made table.
std::optional<std::string> iconvToUtf8(unsigned char b) {
  iconv_t cd = iconv_open("UTF-8", "CP1251");
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  char in[1] = {static_cast<char>(b)};
  char out[8] = {};
  char* ip = in;
  char* op = out;
  size_t il = 1, ol = sizeof out;
  const size_t r = iconv(cd, &ip, &il, &op, &ol);
  iconv_close(cd);
  if (r == static_cast<size_t>(-1)) return std::nullopt;
  return std::string(out, op);
}

TEST(Cp1251, TableAgreesWithGlibcForEveryAssignedByte) {
  if (!iconvToUtf8('A')) GTEST_SKIP() << "no CP1251 converter in this libc";
  for (int b = 0; b < 256; ++b) {
    if (b == 0x98) continue;
    const std::string byte(1, static_cast<char>(b));
    const auto reference = iconvToUtf8(static_cast<unsigned char>(b));
    ASSERT_TRUE(reference.has_value()) << std::hex << b;
    EXPECT_EQ(cp1251ToUtf8(byte), *reference) << std::hex << b;
  }
}

TEST(Cp1251, EveryAssignedByteRoundTripsAndTheUnassignedOneDoesNot) {
  for (int b = 0; b < 256; ++b) {
    const std::string byte(1, static_cast<char>(b));
    const auto back = utf8ToCp1251(cp1251ToUtf8(byte));
    if (b == 0x98) {
      EXPECT_EQ(cp1251ToUtf8(byte), "\xEF\xBF\xBD");
      EXPECT_FALSE(back.has_value());
    } else {
      ASSERT_TRUE(back.has_value()) << std::hex << b;
      EXPECT_EQ(*back, byte) << std::hex << b;
    }
  }
}

TEST(Cp1251, NamesOfTheGameEncodeToTheirKnownBytes) {
  EXPECT_EQ(utf8ToCp1251("Акиус"), std::string("\xC0\xEA\xE8\xF3\xF1"));
  EXPECT_EQ(utf8ToCp1251("Ёё№€—"), std::string("\xA8\xB8\xB9\x88\x97"));
  EXPECT_EQ(utf8ToCp1251(""), std::string());
}

TEST(Cp1251, EncoderRefusesWhatTheCodePageCannotHoldInsteadOfSubstituting) {
  for (const char* text : {"caf\xC3\xA9",       // é
                           "\xF0\x9F\x98\x80",  // an emoji
                           "\xEF\xBF\xBD",      // U+FFFD itself
                           "\xC2\x98",          // U+0098, the C1 control behind 0x98
                           "\xE4\xB8\xAD"})     // a Chinese character
    EXPECT_FALSE(utf8ToCp1251(text).has_value()) << text;
}

TEST(Cp1251, EncoderRefusesMalformedUtf8) {
  for (const char* text : {"\x80", "\xC3", "\xC0\x80", "\xE0\x80\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80",
                           "\xD0", "\xD0\x41", "\xFF"})
    EXPECT_FALSE(utf8ToCp1251(text).has_value());
}

TEST(Cp1251, RepresentableMatchesTheEncoder) {
  EXPECT_TRUE(cp1251Representable(U'A'));
  EXPECT_TRUE(cp1251Representable(U'Ж'));
  EXPECT_TRUE(cp1251Representable(U'№'));
  EXPECT_TRUE(cp1251Representable(U'ї'));
  EXPECT_FALSE(cp1251Representable(U'é'));
  EXPECT_FALSE(cp1251Representable(U'\uFFFD'));
  EXPECT_FALSE(cp1251Representable(U'\u0098'));
  EXPECT_FALSE(cp1251Representable(U'\U0001F600'));
  int representable = 0;
  for (char32_t c = 0; c < 0x10000; ++c) representable += cp1251Representable(c) ? 1 : 0;
  EXPECT_EQ(representable, 255);
}

// The dialog and the driver share this rule; a name it passes always saves.
TEST(PlayerName, TakesFifteenPrintableCharactersThatTheFileCanHold) {
  EXPECT_TRUE(acceptableName(""));
  EXPECT_TRUE(acceptableName("ЁжикВТуманеЁжик"));
  EXPECT_FALSE(acceptableName("ЁжикВТуманеЁжикВ"));
  EXPECT_FALSE(acceptableName("Tab\there"));
  EXPECT_FALSE(acceptableName("Café"));
  EXPECT_TRUE(nameCharacterAllowed(U'№'));
  EXPECT_FALSE(nameCharacterAllowed(U'\x7f'));
  EXPECT_FALSE(nameCharacterAllowed(U'\0'));
}

}  // namespace
}  // namespace klebony
