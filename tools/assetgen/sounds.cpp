// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/assetgen/sounds.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>
#include <stdexcept>

#include "tools/assetgen/art.h"

namespace assetgen {

namespace {

constexpr double kRate = kSampleRate;
constexpr double kTwoPi = 2 * std::numbers::pi;

using Wave = std::vector<double>;

// Adds f(t) over [start, start + length) into w, growing it when needed.
void add(Wave& w, double start, double length, const std::function<double(double)>& f) {
  const size_t from = static_cast<size_t>(start * kRate), n = static_cast<size_t>(length * kRate);
  if (w.size() < from + n) w.resize(from + n, 0.0);
  for (size_t i = 0; i < n; ++i) w[from + i] += f(i / kRate);
}

// A phase-continuous oscillator whose frequency may change sample by sample.
class Osc {
 public:
  double sine(double freq) { return std::sin(step(freq)); }
  // Band-limited sawtooth: harmonics up to 5 kHz, each rolled off a little more than 1/n.
  double buzz(double freq, double tilt = 1.0) {
    const double p = step(freq);
    double s = 0;
    for (int n = 1; n * freq < 5000 && n < 60; ++n) s += std::sin(n * p) / std::pow(n, tilt);
    return s;
  }
  double square(double freq) {
    const double p = step(freq);
    return std::sin(p) + std::sin(3 * p) / 3 + std::sin(5 * p) / 5 + std::sin(7 * p) / 7;
  }

 private:
  double step(double freq) {
    const double p = phase_;
    phase_ = std::fmod(phase_ + kTwoPi * freq / kRate, kTwoPi);
    return p;
  }
  double phase_ = 0;
};

// Band-pass biquad (constant peak gain), the building block of the formants and wet noises.
class BandPass {
 public:
  double operator()(double x, double freq, double q) {
    const double w0 = kTwoPi * freq / kRate, alpha = std::sin(w0) / (2 * q), a0 = 1 + alpha;
    const double y = (alpha * x - alpha * x2_ + 2 * std::cos(w0) * y1_ - (1 - alpha) * y2_) / a0;
    x2_ = x1_;
    x1_ = x;
    y2_ = y1_;
    y1_ = y;
    return y;
  }

 private:
  double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

class LowPass {
 public:
  double operator()(double x, double cutoff) {
    const double a = 1 - std::exp(-kTwoPi * cutoff / kRate);
    y_ += a * (x - y_);
    return y_;
  }

 private:
  double y_ = 0;
};

double envelope(double t, double attack, double length) {  // quick rise, smooth end
  if (t < attack) return t / attack;
  if (t > length) return 0;
  const double u = (t - attack) / (length - attack);
  return 0.5 * (1 + std::cos(std::numbers::pi * u));
}

double decay(double t, double tau) { return std::exp(-t / tau); }

double midi(double note) { return 440.0 * std::pow(2.0, (note - 69) / 12); }

Wave fanfare() {
  // A rising arpeggio of bubbly notes that lands on a shimmering major chord.
  Wave w;
  const double notes[] = {67, 72, 76, 79};
  for (int i = 0; i < 4; ++i) {
    Osc osc;
    const double f = midi(notes[i]);
    add(w, 0.13 * i, 0.26, [&](double t) {
      const double bend = 1 + 0.06 * decay(t, 0.02);
      return envelope(t, 0.005, 0.26) * (osc.sine(f * bend) + 0.25 * osc.sine(2 * f * bend)) * 0.7;
    });
  }
  const double chord[] = {72, 76, 79, 84};
  for (int i = 0; i < 4; ++i) {
    Osc osc;
    Osc shimmer;
    const double f = midi(chord[i]);
    add(w, 0.52, 1.1, [&](double t) {
      const double vibrato = 1 + 0.006 * std::sin(kTwoPi * (5.5 + i) * t);
      return envelope(t, 0.02, 1.1) * (osc.sine(f * vibrato) + 0.2 * shimmer.sine(3 * f * vibrato)) * 0.35;
    });
  }
  return w;
}

Wave switchClick() {
  // A switch being thrown: a sharp "tok" and a softer echo of it, bright enough for small speakers.
  Wave w;
  for (int i = 0; i < 2; ++i) {
    Osc body, ring;
    Noise noise(11 + i);
    BandPass snap;
    const double level = i == 0 ? 1.0 : 0.45, pitch = i == 0 ? 900 : 1250;
    add(w, i * 0.035, 0.07, [&](double t) {
      return level * (body.sine(pitch * (1 + 0.3 * decay(t, 0.004))) * decay(t, 0.024) +
                      0.4 * ring.sine(2.7 * pitch) * decay(t, 0.006) +
                      1.2 * snap(noise.uniform() * 2 - 1, 3000, 2) * decay(t, 0.002));
    });
  }
  return w;
}

Wave wobblyBlip() {
  // A wobbly upward blip: something changing shape.
  Wave w;
  Osc osc, overtone;
  add(w, 0, 0.2, [&](double t) {
    const double f = 380 * std::pow(3.6, std::min(t / 0.15, 1.0)) * (1 + 0.07 * std::sin(kTwoPi * 28 * t));
    return envelope(t, 0.006, 0.2) * (osc.sine(f) + 0.25 * overtone.sine(2 * f));
  });
  return w;
}

Wave wetGulp() {
  // A wet gulp: a slurp of filtered noise that opens up, and three bubbles popping through it.
  Wave w;
  Noise noise(23);
  BandPass bp;
  add(w, 0, 0.38, [&](double t) {
    const double centre = 500 + 1600 * (t / 0.38);
    return 1.6 * bp(noise.uniform() * 2 - 1, centre, 3) * envelope(t, 0.04, 0.38);
  });
  const double starts[] = {0.0, 0.09, 0.2};
  const double pitches[] = {480, 680, 560};
  for (int i = 0; i < 3; ++i) {
    Osc osc;
    const double f = pitches[i];
    // A bubble's pitch rises as it closes; that rise is what makes it sound wet.
    add(w, starts[i], 0.1, [&](double t) {
      return osc.sine(f * (1 + 1.4 * t / 0.1)) * decay(t, 0.03) * std::min(1.0, t / 0.002);
    });
  }
  return w;
}

Wave lowBuzzes() {
  // Two low, rough buzzes: "uh-uh".
  Wave w;
  for (int i = 0; i < 2; ++i) {
    Osc a;
    Osc b;
    LowPass lp;
    const double f = i == 0 ? 140 : 120;
    add(w, i * 0.19, 0.14,
        [&](double t) { return envelope(t, 0.01, 0.14) * lp(a.buzz(f) + b.buzz(f * 1.05), 1800) * 0.5; });
  }
  return w;
}

Wave crunchingBlow() {
  // A blow: a burst of crunching noise over a falling thud.
  Wave w;
  Noise noise(37);
  LowPass lp;
  Osc thud;
  add(w, 0, 0.42, [&](double t) {
    const double crunch = lp(noise.uniform() * 2 - 1, 3500 * decay(t, 0.08) + 300) * decay(t, 0.06);
    return 1.6 * crunch + thud.sine(150 * decay(t, 0.12) + 45) * decay(t, 0.13) * std::min(1.0, t / 0.002);
  });
  return w;
}

// One laughing syllable: a voiced buzz through three vowel formants with a breathy onset.
Wave laugh(int syllables, double pitch, double fall, double on, double off, const double (&formants)[3],
           std::uint64_t seed) {
  Wave w;
  Noise noise(seed);
  for (int s = 0; s < syllables; ++s) {
    Osc osc;
    BandPass f1;
    BandPass f2;
    BandPass f3;
    const bool last = s == syllables - 1;
    const double length = last ? on * 1.8 : on;
    const double p0 = pitch * (1 - fall * s / syllables);
    const double breath = 0.3 + 0.1 * noise.uniform();
    Noise hiss(seed + s);
    add(w, s * (on + off), length, [&](double t) {
      const double glide = last ? 1 - 0.35 * t / length : 1 - 0.12 * t / length;
      const double source = osc.buzz(p0 * glide * (1 + 0.02 * std::sin(kTwoPi * 7 * t)), 1.2) +
                            breath * (hiss.uniform() * 2 - 1) * decay(t, 0.03) * 6;
      const double voice = 1.0 * f1(source, formants[0], 6) + 0.7 * f2(source, formants[1], 8) +
                           0.3 * f3(source, formants[2], 10);
      return voice * envelope(t, 0.015, length);
    });
  }
  return w;
}

Wave cheekyCackle() {
  // A quick, high, cheeky cackle for a lost battle.
  static const double a[3] = {800, 1250, 2700};
  return laugh(6, 330, 0.25, 0.11, 0.07, a, 51);
}

Wave gloatingLaugh() {
  // A slow, low, gloating laugh for the end of the player's organism.
  static const double o[3] = {480, 850, 2500};
  return laugh(4, 135, 0.15, 0.2, 0.11, o, 63);
}

Wave twoToneAlarm() {
  // A two-tone alarm.
  Wave w;
  Osc osc;
  add(w, 0, 1.4, [&](double t) {
    const int half = static_cast<int>(t / 0.175);
    const double f = half % 2 == 0 ? 960 : 720;
    return osc.square(f) * envelope(t, 0.01, 1.4) * (0.85 + 0.15 * std::sin(kTwoPi * 14 * t));
  });
  return w;
}

// What each sound of the game's table is made of.
Wave recipe(klebony::Sound sound) {
  using klebony::Sound;
  switch (sound) {
    case Sound::NewGame:
      return fanfare();
    case Sound::TurnClick:
      return switchClick();
    case Sound::MutationClick:
      return wobblyBlip();
    case Sound::Capture:
      return wetGulp();
    case Sound::Refused:
      return lowBuzzes();
    case Sound::AttackWon:
      return crunchingBlow();
    case Sound::AttackLost:
      return cheekyCackle();
    case Sound::PlayerDestroyed:
      return gloatingLaugh();
    case Sound::Sabotaged:
      return twoToneAlarm();
  }
  throw std::logic_error("a sound without a recipe");
}

double windowedLoudness(const Wave& w, double rate) {
  const size_t window = static_cast<size_t>(0.05 * rate);
  double loudest = 0;
  for (size_t start = 0; start < w.size(); start += window / 5) {
    double sum = 0;
    const size_t end = std::min(w.size(), start + window);
    for (size_t i = start; i < end; ++i) sum += w[i] * w[i];
    loudest = std::max(loudest, std::sqrt(sum / static_cast<double>(window)));
    if (end == w.size()) break;
  }
  return loudest;
}

Pcm finish(Wave w) {
  // Short fades so no file starts or ends with a click, then one common level. The fade-in
  // runs over a few milliseconds of lead-in, so it never dulls an attack.
  w.insert(w.begin(), static_cast<size_t>(0.004 * kRate), 0.0);
  const size_t fade = static_cast<size_t>(0.003 * kRate);
  for (size_t i = 0; i < fade && i < w.size(); ++i) {
    w[i] *= static_cast<double>(i) / fade;
    w[w.size() - 1 - i] *= static_cast<double>(i) / fade;
  }
  const double loudest = windowedLoudness(w, kRate);
  double gain = loudest > 0 ? kTargetLoudness / loudest : 0;
  double peak = 0;
  for (double v : w) peak = std::max(peak, std::abs(v));
  gain = std::min(gain, 0.9 / peak);  // never clip, even if that makes this one quieter
  Pcm pcm;
  for (double v : w) pcm.samples.push_back(static_cast<std::int16_t>(std::lround(v * gain * 32767)));
  return pcm;
}

}  // namespace

double loudness(const std::vector<std::int16_t>& samples, int sampleRate) {
  Wave w;
  for (std::int16_t s : samples) w.push_back(s / 32767.0);
  return windowedLoudness(w, sampleRate);
}

std::vector<SoundFile> allSounds() {
  std::vector<SoundFile> files;
  for (const klebony::SoundInfo& sound : klebony::kSoundTable)
    files.push_back({sound.file, finish(recipe(sound.id))});
  return files;
}

}  // namespace assetgen
