// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The frame-stepping rule shared by board cells, the hover marker, the hearts
// and the start screen's organisms and twinkles.
#include <cstdint>

namespace klebony {

inline constexpr int32_t kAnimationTick = 52;

enum class AnimationStep { Same, NextFrame, Wrapped };

// tick += 52; past `period` the frame advances; past the last frame it wraps
// to 0 (Wrapped). The caller applies its own wrap action.
inline AnimationStep animationStep(int32_t& frame, int32_t& tick, int32_t period, int32_t frameCount) {
  tick += kAnimationTick;
  if (tick <= period) return AnimationStep::Same;
  tick = 0;
  frame += 1;
  if (frame > frameCount - 1) {
    frame = 0;
    return AnimationStep::Wrapped;
  }
  return AnimationStep::NextFrame;
}

}  // namespace klebony
