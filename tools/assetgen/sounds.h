// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game's sound effects (core/sounds.h), synthesised; all share one loudness.
#include <string>
#include <vector>

#include "core/sounds.h"
#include "tools/assetgen/wav.h"

namespace assetgen {

struct SoundFile {
  std::string path;  // relative to the assets folder: the game's own file name
  Pcm pcm;
};

// One file for each row of the game's table, in its order.
std::vector<SoundFile> allSounds();

// The loudest 50 ms stretch, as RMS of full scale: what the ear calls the level of a short effect.
double loudness(const std::vector<std::int16_t>& samples, int sampleRate);
constexpr double kTargetLoudness = 0.22;

}  // namespace assetgen
