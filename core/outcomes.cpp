#include "outcomes.h"

namespace klebony {

const char* soundFile(Sound sound) {
  switch (sound) {
    case Sound::NewGame:
      return "Sound/NewGame.wav";
    case Sound::TurnClick:
      return "Sound/ClickHod.wav";
    case Sound::MutationClick:
      return "Sound/ClickMut.wav";
    case Sound::Capture:
      return "Sound/Zahvat.wav";
    case Sound::Refused:
      return "Sound/No.wav";
    case Sound::AttackWon:
      return "Sound/Attak.wav";
    case Sound::AttackLost:
      return "Sound/Smeh_2.wav";
    case Sound::PlayerDestroyed:
      return "Sound/Smeh_1.wav";
    case Sound::Sabotaged:
      return "Sound/Sabot.wav";
  }
  return "";
}

}  // namespace klebony
