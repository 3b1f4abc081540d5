// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Plain PCM WAV files: mono, 16 bit, the only kind the game plays.
#include <cstdint>
#include <optional>
#include <vector>

#include "tools/assetgen/png.h"

namespace assetgen {

constexpr int kSampleRate = 22050;

struct Pcm {
  int sampleRate = kSampleRate;
  int channels = 1;
  int bitsPerSample = 16;
  std::vector<std::int16_t> samples;
  double seconds() const { return static_cast<double>(samples.size()) / sampleRate; }
};

Bytes encodeWav(const Pcm& pcm);
// Reads our own kind back: RIFF/WAVE, 16-bit PCM, the data whole; nullopt for anything else.
std::optional<Pcm> decodeWav(const Bytes& file);

}  // namespace assetgen
