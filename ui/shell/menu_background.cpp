#include "menu_background.h"

#include <algorithm>
#include <cstring>

#include "animation.h"

namespace klebony {

namespace {
constexpr int kOrganismFrames = 6;
constexpr int kOrganismSize = 12;
constexpr int kTwinkleFrames = 8;
constexpr int kTwinkleSize = 7;
}  // namespace

MenuBackground::MenuBackground(const QImage& Im_m, const QImage& Im_z, const QImage& Im_texture)
    : Im_m_(Im_m), Im_z_(Im_z), Im_texture_(Im_texture) {
  menuImage_ = QImage(kMenuImageWidth, kMenuImageHeight, QImage::Format_RGB32);
  menuImage_.fill(Qt::black);
}

void MenuBackground::setup(Game& game) {
  menuImage_.fill(Qt::black);
  menuOrganisms_.assign(kMenuOrganismCount, {});
  for (AnimatedSprite& s : menuOrganisms_) {
    s.px = random(game, kMenuImageWidth);
    s.py = random(game, kMenuImageHeight);
    s.frame = random(game, kOrganismFrames);
    s.tick = 0;
    s.period = random(game, 800) + 40;
    const int kind = random(game, 6);  // 0 the free-cell blob, 1..5 the organism colours
    s.sprites = cutFrames(Im_m_, kOrganismFrames, kOrganismSize, kOrganismSize, 0, 2 * kOrganismSize * kind);
  }
  twinkles_.assign(kTwinkleCount, {});
  for (AnimatedSprite& s : twinkles_) {
    s.px = random(game, kMenuImageWidth);
    s.py = random(game, kMenuImageHeight);
    s.frame = random(game, kTwinkleFrames);
    s.tick = 0;
    s.period = random(game, 350) + 40;
    s.sprites = cutFrames(Im_z_, kTwinkleFrames, kTwinkleSize, kTwinkleSize);
  }
  game.world.gameReady = false;
}

void MenuBackground::tileTexture() {
  const int tw = Im_texture_.width();
  const int th = Im_texture_.height();
  if (tw <= 0 || th <= 0 || Im_texture_.format() != QImage::Format_RGB32) {
    menuImage_.fill(Qt::black);
    return;
  }
  for (int y = 0; y < menuImage_.height(); ++y) {
    auto* dst = reinterpret_cast<quint32*>(menuImage_.scanLine(y));
    const auto* src = reinterpret_cast<const quint32*>(Im_texture_.constScanLine(y % th));
    for (int x = 0; x < menuImage_.width(); x += tw) {
      const int n = std::min(tw, menuImage_.width() - x);
      std::memcpy(dst + x, src, sizeof(quint32) * n);
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

void MenuBackground::render() {
  tileTexture();
  for (const auto* group : {&menuOrganisms_, &twinkles_})
    for (const AnimatedSprite& s : *group)
      if (s.frame >= 0 && s.frame < static_cast<int>(s.sprites.size()))
        drawSprite(s.sprites[s.frame], menuImage_, s.px, s.py);
}

void MenuBackground::step(Game& game) {
  render();
  for (AnimatedSprite& s : menuOrganisms_) stepOrganism(s, game);
  for (AnimatedSprite& s : twinkles_) stepTwinkle(s, game);
}

}  // namespace klebony
