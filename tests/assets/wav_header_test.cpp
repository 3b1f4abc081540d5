// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The WAV header reader that the game (for a sound's playing time) and the
// generator (to decode its files) share.
#include <gtest/gtest.h>

#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "media/wav_header.h"

namespace klebony {
namespace {

using Bytes = std::vector<std::uint8_t>;

void put(Bytes& out, const std::string& tag) { out.insert(out.end(), tag.begin(), tag.end()); }
void put16(Bytes& out, std::uint32_t v) {
  out.push_back(static_cast<std::uint8_t>(v));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}
void put32(Bytes& out, std::uint32_t v) {
  put16(out, v & 0xFFFF);
  put16(out, v >> 16);
}

struct Fmt {
  std::uint16_t tag = 1, channels = 1, bits = 16;
  std::uint32_t rate = 8000, byteRate = 16000;
};

Bytes fmtChunk(const Fmt& f, std::uint32_t size = 16) {
  Bytes c;
  put(c, "fmt ");
  put32(c, size);
  put16(c, f.tag);
  put16(c, f.channels);
  put32(c, f.rate);
  put32(c, f.byteRate);
  put16(c, f.channels * f.bits / 8);
  put16(c, f.bits);
  c.resize(8 + std::max<std::uint32_t>(size, 16), 0);
  return c;
}

// "data" with `bytes` zero bytes; `claimed` overrides the stated size.
Bytes dataChunk(std::uint32_t bytes, std::int64_t claimed = -1) {
  Bytes c;
  put(c, "data");
  put32(c, claimed < 0 ? bytes : static_cast<std::uint32_t>(claimed));
  c.resize(8 + bytes, 0);
  return c;
}

Bytes riff(const std::vector<Bytes>& chunks) {
  Bytes body;
  put(body, "WAVE");
  for (const Bytes& c : chunks) body.insert(body.end(), c.begin(), c.end());
  Bytes out;
  put(out, "RIFF");
  put32(out, static_cast<std::uint32_t>(body.size()));
  out.insert(out.end(), body.begin(), body.end());
  return out;
}

// Both readers, which must always agree.
std::optional<WavHeader> read(const Bytes& file) {
  const auto fromBytes = readWavHeader(std::span<const std::uint8_t>(file));
  std::istringstream stream(std::string(file.begin(), file.end()));
  const auto fromStream = readWavHeader(stream);
  EXPECT_EQ(fromBytes.has_value(), fromStream.has_value());
  if (fromBytes && fromStream) {
    EXPECT_EQ(fromBytes->dataOffset, fromStream->dataOffset);
    EXPECT_EQ(fromBytes->dataBytes, fromStream->dataBytes);
    EXPECT_EQ(fromBytes->byteRate, fromStream->byteRate);
  }
  return fromBytes;
}

TEST(WavHeader, ReadsTheCanonicalHeader) {
  const auto h = read(riff({fmtChunk({}), dataChunk(8000)}));
  ASSERT_TRUE(h);
  EXPECT_EQ(h->format, WavFormat::Pcm);
  EXPECT_EQ(h->channels, 1);
  EXPECT_EQ(h->sampleRate, 8000u);
  EXPECT_EQ(h->blockAlign, 2);
  EXPECT_EQ(h->bitsPerSample, 16);
  EXPECT_EQ(h->riffSize, 36u + 8000u);
  EXPECT_EQ(h->dataOffset, 44u);
  EXPECT_EQ(h->dataBytes, 8000u);
  EXPECT_EQ(h->durationMs(), 500);
}

TEST(WavHeader, SkipsOtherChunksWithTheirPadding) {
  Bytes list;
  put(list, "LIST");
  put32(list, 3);
  put(list, "abc");
  list.push_back(0);  // pad to even
  Bytes fact;
  put(fact, "fact");
  put32(fact, 4);
  put32(fact, 4000);
  // A longer "fmt " (the extensible header has 40 bytes) is skipped past as a whole.
  const auto h = read(riff({list, fmtChunk({0xFFFE, 2, 24, 48000, 288000}, 40), fact, dataChunk(2880)}));
  ASSERT_TRUE(h);
  EXPECT_EQ(h->format, WavFormat::Extensible);
  EXPECT_EQ(h->dataOffset, 12u + 12 + 48 + 12 + 8);
  EXPECT_EQ(h->durationMs(), 10);
}

TEST(WavHeader, AcceptsTheFormatsThePlayerDecodesAndNoOther) {
  EXPECT_TRUE(read(riff({fmtChunk({3, 1, 32, 8000, 32000}), dataChunk(3200)})));
  for (std::uint16_t tag : {0, 2, 6, 7, 0x11, 0x55}) {
    EXPECT_FALSE(read(riff({fmtChunk({tag, 1, 16, 8000, 16000}), dataChunk(160)}))) << "format " << tag;
  }
  // A field the player divides by is zero.
  EXPECT_FALSE(read(riff({fmtChunk({1, 0, 16, 8000, 16000}), dataChunk(160)})));
  EXPECT_FALSE(read(riff({fmtChunk({1, 1, 0, 8000, 16000}), dataChunk(160)})));
  EXPECT_FALSE(read(riff({fmtChunk({1, 1, 16, 8000, 0}), dataChunk(160)})));
}

TEST(WavHeader, CountsOnlyTheDataTheFileHolds) {
  // Claims an hour, holds a tenth of a second.
  const auto h = read(riff({fmtChunk({}), dataChunk(1600, 16000u * 3600)}));
  ASSERT_TRUE(h);
  EXPECT_EQ(h->claimedDataBytes, 16000u * 3600);
  EXPECT_EQ(h->dataBytes, 1600u);
  EXPECT_EQ(h->durationMs(), 100);
  // A "data" chunk with nothing after its head still has a length: none.
  const auto empty = read(riff({fmtChunk({}), dataChunk(0, 100)}));
  ASSERT_TRUE(empty);
  EXPECT_EQ(empty->durationMs(), 0);
}

TEST(WavHeader, RefusesWhatIsNotAWaveOrIsCutShort) {
  const Bytes good = riff({fmtChunk({}), dataChunk(16)});
  EXPECT_FALSE(read({}));
  EXPECT_FALSE(read(Bytes(good.begin(), good.begin() + 11)));
  for (size_t cut : {12, 20, 30, 43})  // before or inside "fmt ", inside the head of "data"
    EXPECT_FALSE(read(Bytes(good.begin(), good.begin() + cut))) << "cut at " << cut;
  Bytes rifx = good;
  rifx[3] = 'X';
  EXPECT_FALSE(read(rifx));
  Bytes avi = good;
  avi[8] = 'A';
  EXPECT_FALSE(read(avi));
  EXPECT_FALSE(read(riff({dataChunk(16), fmtChunk({})}))) << "data before its format";
  EXPECT_FALSE(read(riff({dataChunk(16)}))) << "no format at all";
  Bytes shortFmt = fmtChunk({});
  shortFmt[4] = 14;  // "fmt " says 14 bytes: too short for the fields
  EXPECT_FALSE(read(riff({shortFmt, dataChunk(16)})));
  // A chunk that claims to run past the end, up to the largest size, hides the rest.
  Bytes huge;
  put(huge, "junk");
  put32(huge, 0xFFFFFFFF);
  EXPECT_FALSE(read(riff({huge, fmtChunk({}), dataChunk(16)})));
}

}  // namespace
}  // namespace klebony
