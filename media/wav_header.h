// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The header of a RIFF/WAVE file: how its samples are stored and where they
// lie. The game reads it for a sound's playing time, the asset generator to
// decode its own files.
#include <cstdint>
#include <iosfwd>
#include <optional>
#include <span>

namespace klebony {

// The sample formats the game's player decodes ("fmt " format tags).
enum class WavFormat : std::uint16_t { Pcm = 1, Float = 3, Extensible = 0xFFFE };

struct WavHeader {
  WavFormat format = WavFormat::Pcm;
  std::uint16_t channels = 0;
  std::uint32_t sampleRate = 0;
  std::uint32_t byteRate = 0;
  std::uint16_t blockAlign = 0;
  std::uint16_t bitsPerSample = 0;
  std::uint32_t riffSize = 0;          // as the RIFF header states it
  std::uint64_t dataOffset = 0;        // where the first sample starts
  std::uint32_t claimedDataBytes = 0;  // the "data" chunk's size as stated
  std::uint64_t dataBytes = 0;         // what the file really holds of it

  // The playing time of what the file holds, in whole milliseconds.
  std::int64_t durationMs() const { return static_cast<std::int64_t>(dataBytes * 1000 / byteRate); }
};

// Reads from the start of a file up to its "data" chunk, skipping the chunks
// between (an odd-sized chunk is padded to even). A "data" chunk that claims
// more than the file holds counts only what is there. nullopt when the file is
// not RIFF/WAVE, is cut short before its samples, has no "fmt " chunk before
// "data", stores another format than those above, or has no channels, no bits
// per sample or no byte rate.
std::optional<WavHeader> readWavHeader(std::span<const std::uint8_t> file);
// The same from a seekable stream, without reading the samples.
std::optional<WavHeader> readWavHeader(std::istream& in);

}  // namespace klebony
