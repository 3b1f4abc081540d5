// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The sound files as the game plays them.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "core/sounds.h"
#include "tests/assets/committed.h"
#include "tools/assetgen/sounds.h"

namespace assetgen {
namespace {

using klebony::Sound;

Pcm committedSound(Sound sound) {
  const auto pcm = decodeWav(committedFile(klebony::soundFile(sound)));
  if (!pcm) ADD_FAILURE() << klebony::soundFile(sound) << " is missing or not a WAV we can read";
  return pcm.value_or(Pcm{});
}

TEST(Sounds, AreHeardAndAreShortWhereTheyAnswerAClick) {
  for (const klebony::SoundInfo& row : klebony::kSoundTable) {
    const double seconds = committedSound(row.id).seconds();
    EXPECT_GE(seconds, 0.03) << row.file;
    EXPECT_LE(seconds, 2.5) << row.file;
  }
  // The next click cuts the sound playing: an answer to a click is over before a quick player clicks again.
  for (Sound quick :
       {Sound::TurnClick, Sound::MutationClick, Sound::Capture, Sound::Refused, Sound::AttackWon})
    EXPECT_LE(committedSound(quick).seconds(), 0.9) << klebony::soundFile(quick);
  // The start screen waits for the new game's sound: long enough to be heard as a fanfare.
  EXPECT_GE(committedSound(Sound::NewGame).seconds(), 0.8);
}

TEST(Sounds, ShareOneLevelWithoutClippingOrClicks) {
  for (const klebony::SoundInfo& row : klebony::kSoundTable) {
    const Pcm pcm = committedSound(row.id);
    ASSERT_FALSE(pcm.samples.empty()) << row.file;
    int peak = 0, atRail = 0;
    for (std::int16_t s : pcm.samples) {
      peak = std::max(peak, std::abs(static_cast<int>(s)));
      atRail += s >= 32767 || s <= -32767;
    }
    EXPECT_EQ(atRail, 0) << row.file;
    EXPECT_LT(peak, 32000) << row.file;
    const double db = 20 * std::log10(loudness(pcm.samples, pcm.sampleRate) / kTargetLoudness);
    EXPECT_NEAR(db, 0.0, 1.5) << row.file << " is off the common level";
    // A file that starts or stops mid-wave clicks in the speaker.
    EXPECT_LT(std::abs(pcm.samples.front()), 300) << row.file;
    EXPECT_LT(std::abs(pcm.samples.back()), 300) << row.file;
  }
}

TEST(Sounds, LaughsAreTwoDifferentVoices) {
  const Pcm a = committedSound(Sound::PlayerDestroyed), b = committedSound(Sound::AttackLost);
  ASSERT_FALSE(a.samples.empty() || b.samples.empty());
  // Zero crossings per second follow the voice's pitch and vowel.
  auto crossings = [](const Pcm& p) {
    int n = 0;
    for (size_t i = 1; i < p.samples.size(); ++i) n += (p.samples[i - 1] < 0) != (p.samples[i] < 0);
    return n / p.seconds();
  };
  EXPECT_GT(std::abs(crossings(a) - crossings(b)), 0.2 * std::min(crossings(a), crossings(b)));
}

}  // namespace
}  // namespace assetgen
