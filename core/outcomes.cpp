#include "outcomes.h"

namespace klebony {

const char* soundFile(Sound sound) {
  switch (sound) {
    case Sound::NewGame:
      return "Sound/NewGame.wav";
    case Sound::ClickHod:
      return "Sound/ClickHod.wav";
    case Sound::ClickMut:
      return "Sound/ClickMut.wav";
    case Sound::Zahvat:
      return "Sound/Zahvat.wav";
    case Sound::No:
      return "Sound/No.wav";
    case Sound::Attak:
      return "Sound/Attak.wav";
    case Sound::Smeh_2:
      return "Sound/Smeh_2.wav";
    case Sound::Smeh_1:
      return "Sound/Smeh_1.wav";
    case Sound::Sabot:
      return "Sound/Sabot.wav";
  }
  return "";
}

}  // namespace klebony
