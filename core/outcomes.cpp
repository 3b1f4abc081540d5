#include "core/outcomes.h"

#include <array>

namespace klebony {

const char* soundFile(Sound sound) {
  // In the order of the enumeration.
  static constexpr std::array<const char*, kSoundCount> kFiles = {
      "Sound/NewGame.wav", "Sound/ClickHod.wav", "Sound/ClickMut.wav", "Sound/Zahvat.wav", "Sound/No.wav",
      "Sound/Attak.wav",   "Sound/Smeh_2.wav",   "Sound/Smeh_1.wav",   "Sound/Sabot.wav"};
  const auto index = static_cast<std::size_t>(sound);
  return index < kFiles.size() ? kFiles[index] : "";
}

}  // namespace klebony
