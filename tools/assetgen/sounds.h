#pragma once
// The nine sound effects, synthesised; all share one loudness.
#include <string>
#include <vector>

#include "tools/assetgen/wav.h"

namespace assetgen {

struct SoundFile {
  std::string name;  // file name in the Sound folder
  Pcm pcm;
};

std::vector<SoundFile> allSounds();

// The loudest 50 ms stretch, as RMS of full scale: what the ear calls the level of a short effect.
double loudness(const std::vector<std::int16_t>& samples, int sampleRate);
constexpr double kTargetLoudness = 0.22;

}  // namespace assetgen
