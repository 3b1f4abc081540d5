// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/shell/menu_background.h"

#include <algorithm>
#include <cstring>

#include "core/animation.h"
#include "ui/palette.h"

namespace klebony {

namespace {
constexpr int kOrganismFrames = 6;
constexpr int kOrganismSize = 12;
constexpr int kTwinkleFrames = 8;
constexpr int kTwinkleSize = 7;
}  // namespace

MenuBackground::MenuBackground(const QImage& organismSheet, const QImage& twinkleSheet,
                               const QImage& tissueTexture)
    : organismSheet_(organismSheet), twinkleSheet_(twinkleSheet), tissueTexture_(tissueTexture) {
  menuImage_ = QImage(kMenuImageWidth, kMenuImageHeight, QImage::Format_RGB32);
  menuImage_.fill(palette::kFog);
}

namespace {

// A sprite's start: its place, its frame and its period, drawn in this order.
void startSprite(AnimatedSprite& s, Game& game, int frames, int periodRange) {
  s.px = random(game, kMenuImageWidth);
  s.py = random(game, kMenuImageHeight);
  s.frame = random(game, frames);
  s.tick = 0;
  s.period = random(game, periodRange) + 40;
}

}  // namespace

void MenuBackground::setup(Game& game) {
  menuImage_.fill(palette::kFog);
  shown_.clear();
  menuOrganisms_.assign(kMenuOrganismCount, {});
  for (AnimatedSprite& s : menuOrganisms_) {
    startSprite(s, game, kOrganismFrames, 800);
    const int kind = random(game, 6);  // 0 the free-cell blob, 1..5 the organism colours
    s.sprites =
        cutFrames(organismSheet_, kOrganismFrames, kOrganismSize, kOrganismSize, 0, 2 * kOrganismSize * kind);
  }
  twinkles_.assign(kTwinkleCount, {});
  for (AnimatedSprite& s : twinkles_) {
    startSprite(s, game, kTwinkleFrames, 350);
    s.sprites = cutFrames(twinkleSheet_, kTwinkleFrames, kTwinkleSize, kTwinkleSize);
  }
  game.world.gameReady = false;
}

void MenuBackground::tileTexture(const QRect& area) {
  const int tw = tissueTexture_.width();
  const int th = tissueTexture_.height();
  if (tw <= 0 || th <= 0 || tissueTexture_.format() != QImage::Format_RGB32) {
    for (int y = area.top(); y <= area.bottom(); ++y)
      std::fill_n(reinterpret_cast<quint32*>(menuImage_.scanLine(y)) + area.left(), area.width(),
                  0xff000000u);
    return;
  }
  for (int y = area.top(); y <= area.bottom(); ++y) {
    auto* dst = reinterpret_cast<quint32*>(menuImage_.scanLine(y));
    const auto* src = reinterpret_cast<const quint32*>(tissueTexture_.constScanLine(y % th));
    for (int x = area.left(); x <= area.right();) {
      const int n = std::min(tw - x % tw, area.right() + 1 - x);
      std::memcpy(dst + x, src + x % tw, sizeof(quint32) * n);
      x += n;
    }
  }
}

void MenuBackground::stepOrganism(AnimatedSprite& s, Game& game) {
  if (animationStep(s.frame, s.tick, s.period, kOrganismFrames) == AnimationStep::Same) return;
  s.px += random(game, 10) - 5;
  s.py += random(game, 10) - 5;
  if (s.px > kMenuImageWidth || s.py > kMenuImageHeight || s.px < -kOrganismSize || s.py < -kOrganismSize) {
    s.px = random(game, kMenuImageWidth);
    s.py = random(game, kMenuImageHeight);
  }
}

void MenuBackground::stepTwinkle(AnimatedSprite& s, Game& game) {
  if (animationStep(s.frame, s.tick, s.period, kTwinkleFrames) != AnimationStep::Wrapped) return;
  s.px = random(game, kMenuImageWidth);
  s.py = random(game, kMenuImageHeight);
  s.period = random(game, 350) + 40;
}

MenuBackground::Shown MenuBackground::shownOf(const AnimatedSprite& s) {
  if (s.frame < 0 || s.frame >= static_cast<int>(s.sprites.size())) return {};
  return {s.sprites[s.frame], s.px, s.py, true};
}

void MenuBackground::renderArea(const QRect& area) {
  tileTexture(area);
  // The sprites over the area, drawn on a view of just that part of the
  // picture so that they are clipped at its edges.
  const qsizetype stride = menuImage_.bytesPerLine();
  QImage part(menuImage_.bits() + area.top() * stride + area.left() * 4, area.width(), area.height(), stride,
              QImage::Format_RGB32);
  for (const auto* group : {&menuOrganisms_, &twinkles_})
    for (const AnimatedSprite& s : *group) {
      const Shown now = shownOf(s);
      if (!now.drawn || !area.intersects(QRect(s.px, s.py, now.sprite.width, now.sprite.height))) continue;
      drawSprite(now.sprite, part, s.px - area.left(), s.py - area.top());
    }
}

std::vector<QRect> MenuBackground::render() {
  const QRect whole = menuImage_.rect();
  const size_t count = menuOrganisms_.size() + twinkles_.size();
  std::vector<QRect> changed;
  if (shown_.size() != count) {
    changed.push_back(whole);
  } else {
    size_t i = 0;
    for (const auto* group : {&menuOrganisms_, &twinkles_})
      for (const AnimatedSprite& s : *group) {
        const Shown now = shownOf(s);
        const Shown& before = shown_[i++];
        const Sprite& a = before.sprite;
        const Sprite& b = now.sprite;
        if (now.drawn == before.drawn && now.px == before.px && now.py == before.py && a.sheet == b.sheet &&
            a.imageX == b.imageX && a.imageY == b.imageY && a.maskX == b.maskX && a.maskY == b.maskY &&
            a.width == b.width && a.height == b.height)
          continue;
        // Where it was and where it is now.
        for (const Shown* place : {&before, &now}) {
          if (!place->drawn) continue;
          const QRect r = QRect(place->px, place->py, place->sprite.width, place->sprite.height) & whole;
          if (!r.isEmpty()) changed.push_back(r);
        }
      }
  }
  for (const QRect& r : changed) renderArea(r);
  shown_.clear();
  shown_.reserve(count);
  for (const auto* group : {&menuOrganisms_, &twinkles_})
    for (const AnimatedSprite& s : *group) shown_.push_back(shownOf(s));
  return changed;
}

std::vector<QRect> MenuBackground::step(Game& game) {
  std::vector<QRect> changed = render();
  for (AnimatedSprite& s : menuOrganisms_) stepOrganism(s, game);
  for (AnimatedSprite& s : twinkles_) stepTwinkle(s, game);
  return changed;
}

}  // namespace klebony
