// The sound files as the game plays them.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include "tools/assetgen/sounds.h"

namespace assetgen {
namespace {

struct Expect {
  const char* name;
  double minSeconds, maxSeconds;
};

const Expect kSounds[] = {
    {"NewGame.wav", 0.8, 2.1}, {"ClickHod.wav", 0.03, 0.3}, {"ClickMut.wav", 0.05, 0.3},
    {"Zahvat.wav", 0.15, 0.8}, {"No.wav", 0.1, 0.6},        {"Attak.wav", 0.15, 0.9},
    {"Smeh_2.wav", 0.6, 2.5},  {"Smeh_1.wav", 0.6, 2.5},    {"Sabot.wav", 0.5, 2.5},
};

Bytes readSound(const std::string& name) {
  std::ifstream in(std::string(KLEBONY_ASSET_DIR) + "/Sound/" + name, std::ios::binary);
  return Bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(Sounds, ArePlainMono16BitPcmOfFittingLength) {
  for (const Expect& e : kSounds) {
    const Bytes file = readSound(e.name);
    ASSERT_GT(file.size(), 44u) << e.name;
    // The canonical 44-byte header: what every player, however simple, reads.
    EXPECT_EQ(std::string(file.begin(), file.begin() + 4), "RIFF") << e.name;
    EXPECT_EQ(std::string(file.begin() + 8, file.begin() + 16), "WAVEfmt ") << e.name;
    EXPECT_EQ(std::string(file.begin() + 36, file.begin() + 40), "data") << e.name;
    const auto pcm = decodeWav(file);
    ASSERT_TRUE(pcm) << e.name;
    EXPECT_EQ(pcm->channels, 1) << e.name;
    EXPECT_EQ(pcm->bitsPerSample, 16) << e.name;
    EXPECT_GE(pcm->sampleRate, 11025) << e.name;
    EXPECT_GE(pcm->seconds(), e.minSeconds) << e.name;
    EXPECT_LE(pcm->seconds(), e.maxSeconds) << e.name;
  }
}

TEST(Sounds, ShareOneLevelWithoutClippingOrClicks) {
  for (const Expect& e : kSounds) {
    const auto pcm = decodeWav(readSound(e.name));
    ASSERT_TRUE(pcm) << e.name;
    int peak = 0, atRail = 0;
    for (std::int16_t s : pcm->samples) {
      peak = std::max(peak, std::abs(static_cast<int>(s)));
      atRail += s >= 32767 || s <= -32767;
    }
    EXPECT_EQ(atRail, 0) << e.name;
    EXPECT_LT(peak, 32000) << e.name;
    const double db = 20 * std::log10(loudness(pcm->samples, pcm->sampleRate) / kTargetLoudness);
    EXPECT_NEAR(db, 0.0, 1.5) << e.name << " is off the common level";
    // A file that starts or stops mid-wave clicks in the speaker.
    EXPECT_LT(std::abs(pcm->samples.front()), 300) << e.name;
    EXPECT_LT(std::abs(pcm->samples.back()), 300) << e.name;
  }
}

TEST(Sounds, LaughsAreTwoDifferentVoices) {
  const auto a = decodeWav(readSound("Smeh_1.wav")), b = decodeWav(readSound("Smeh_2.wav"));
  ASSERT_TRUE(a && b);
  // Zero crossings per second follow the voice's pitch and vowel.
  auto crossings = [](const Pcm& p) {
    int n = 0;
    for (size_t i = 1; i < p.samples.size(); ++i) n += (p.samples[i - 1] < 0) != (p.samples[i] < 0);
    return n / p.seconds();
  };
  EXPECT_GT(std::abs(crossings(*a) - crossings(*b)), 0.2 * std::min(crossings(*a), crossings(*b)));
}

}  // namespace
}  // namespace assetgen
