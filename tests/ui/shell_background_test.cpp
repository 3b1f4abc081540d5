// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The start screen's living background: its draws, its drifting and its picture.
#include <QTest>
#include <cstring>

#include "ui/assets.h"

#include "core/game.h"
#include "tests/ui/registry.h"
#include "ui/shell/menu_background.h"

namespace klebony {

namespace {

// A sheet whose frames are solid squares of `colour` on black, with a mask
// that is black under a square of `inner` pixels and white elsewhere.
QImage sheet(int w, int h, int frame, int inner, QRgb colour) {
  QImage img(w, h, QImage::Format_RGB32);
  img.fill(Qt::black);
  for (int y = 0; y < h; ++y) {
    const bool maskRow = (y / frame) % 2 == 1;
    for (int x = 0; x < w; ++x) {
      const bool inside = x % frame < inner && y % frame < inner;
      if (maskRow)
        img.setPixel(x, y, inside ? 0xff000000 : 0xffffffff);
      else if (inside)
        img.setPixel(x, y, colour);
    }
  }
  return img;
}

QImage texture() {
  QImage img(100, 100, QImage::Format_RGB32);
  for (int y = 0; y < 100; ++y)
    for (int x = 0; x < 100; ++x) img.setPixel(x, y, qRgb(x, y, 7));
  return img;
}

void queue(Game& game, std::initializer_list<int> values) {
  for (int v : values) game.random.queue(v);
}

}  // namespace

class ShellBackgroundTest : public QObject {
  Q_OBJECT

  QImage organismSheet = sheet(72, 144, 12, 4, qRgb(0, 0, 255));
  QImage twinkleSheet = sheet(56, 14, 7, 3, qRgb(0, 255, 255));
  QImage tissue = texture();

 private slots:
  void setupDrawsOrganismsThenTwinklesInTheirOrder() {
    Game game;
    game.world.gameReady = true;
    for (int i = 0; i < kMenuOrganismCount; ++i) queue(game, {i, 229 - i, i % 6, 799 - i, (i + 1) % 6});
    for (int i = 0; i < kTwinkleCount; ++i) queue(game, {10 + i, 20 + i, 7 - i, 349 - i});
    MenuBackground bg(organismSheet, twinkleSheet, tissue);
    bg.setup(game);

    QCOMPARE(game.random.queued(), std::size_t(0));
    QCOMPARE(bg.menuOrganisms().size(), std::size_t(kMenuOrganismCount));
    const AnimatedSprite& o7 = bg.menuOrganisms()[7];
    QCOMPARE(o7.px, 7);
    QCOMPARE(o7.py, 222);
    QCOMPARE(o7.frame, 1);
    QCOMPARE(o7.tick, 0);
    // Each sprite's period follows its own last draw, which falls from one sprite to the next.
    for (int i = 1; i < kMenuOrganismCount; ++i)
      QVERIFY(bg.menuOrganisms()[i].period < bg.menuOrganisms()[i - 1].period);
    for (int i = 1; i < kTwinkleCount; ++i) QVERIFY(bg.twinkles()[i].period < bg.twinkles()[i - 1].period);
    // Kind 2: frame i from (12 i, 48), its mask 12 below.
    QCOMPARE(o7.sprites.size(), std::size_t(6));
    QCOMPARE(o7.sprites[3].imageX, 36);
    QCOMPARE(o7.sprites[3].imageY, 48);
    QCOMPARE(o7.sprites[3].maskY, 60);
    QCOMPARE(o7.sprites[3].width, 12);
    QCOMPARE(bg.menuOrganisms()[5].sprites[0].imageY, 0);  // kind 0: the free-cell blob

    const AnimatedSprite& t2 = bg.twinkles()[2];
    QCOMPARE(t2.px, 12);
    QCOMPARE(t2.py, 22);
    QCOMPARE(t2.frame, 5);
    QCOMPARE(t2.sprites.size(), std::size_t(8));
    QCOMPARE(t2.sprites[4].imageX, 28);
    QCOMPARE(t2.sprites[4].maskY, 7);
    QVERIFY(!game.world.gameReady);
  }

  void organismThatLeavesTheAreaReappearsAtARandomPlace() {
    Game game;
    AnimatedSprite s;
    s.period = 40;  // every step changes the frame and moves
    struct Case {
      int px, py, dx, dy;  // start and the two move draws (move = draw - 5)
      bool jumps;
    };
    const Case cases[] = {
        {196, 100, 9, 5, false},  // 200: still inside
        {197, 100, 9, 5, true},   // 201: beyond the right edge
        {100, 226, 5, 9, false},  // 230
        {100, 227, 5, 9, true},   // 231
        {-7, 100, 0, 5, false},   // -12: still partly seen
        {-8, 100, 0, 5, true},    // -13
        {100, -8, 5, 0, true},
    };
    for (const Case& c : cases) {
      s.px = c.px;
      s.py = c.py;
      s.frame = 5;
      s.tick = 0;
      queue(game, {c.dx, c.dy});
      if (c.jumps) queue(game, {123, 45});
      MenuBackground::stepOrganism(s, game);
      QCOMPARE(game.random.queued(), std::size_t(0));
      QCOMPARE(s.frame, 0);
      if (c.jumps) {
        QCOMPARE(s.px, 123);
        QCOMPARE(s.py, 45);
      } else {
        QCOMPARE(s.px, c.px + c.dx - 5);
        QCOMPARE(s.py, c.py + c.dy - 5);
      }
    }
  }

  void twinkleMovesOnlyAfterShowingAllEightFrames() {
    Game game;
    AnimatedSprite s;
    s.px = 30;
    s.py = 40;
    s.period = 40;
    game.random.queue(77);  // untouched until the wrap
    for (int i = 1; i <= 7; ++i) {
      MenuBackground::stepTwinkle(s, game);
      QCOMPARE(s.frame, i);
      QCOMPARE(s.px, 30);
      QCOMPARE(game.random.queued(), std::size_t(1));
    }
    queue(game, {88, 349});
    MenuBackground::stepTwinkle(s, game);
    QCOMPARE(s.frame, 0);
    QCOMPARE(s.px, 77);
    QCOMPARE(s.py, 88);
    QCOMPARE(s.period, 389);
  }

  // The step draws again only where sprites moved or changed frame; at every
  // step its picture must equal the whole picture drawn afresh, and the
  // rectangles it reports must hold every pixel that changed.
  void theBackgroundDrawnWhereItChangedEqualsTheWholePicture() {
    const Assets& assets = Assets::get();
    Game game;
    game.random.seed(77);
    MenuBackground bg(assets.image(Picture::OrganismSheet), assets.image(Picture::TwinkleSheet),
                      assets.image(Picture::TissueTexture));
    bg.setup(game);
    QImage onScreen(kMenuImageWidth, kMenuImageHeight, QImage::Format_RGB32);
    onScreen.fill(Qt::black);
    long long redrawn = 0;
    const int steps = 600;
    for (int step = 0; step < steps; ++step) {
      MenuBackground whole(assets.image(Picture::OrganismSheet), assets.image(Picture::TwinkleSheet),
                           assets.image(Picture::TissueTexture));
      whole.menuOrganisms() = bg.menuOrganisms();
      whole.twinkles() = bg.twinkles();
      whole.render();
      const std::vector<QRect> changed = bg.step(game);
      QVERIFY2(bg.menuImage() == whole.menuImage(), qPrintable(QStringLiteral("step %1").arg(step)));
      for (const QRect& r : changed) {
        QVERIFY(bg.menuImage().rect().contains(r));
        redrawn += r.width() * r.height();
        for (int y = r.top(); y <= r.bottom(); ++y)
          std::memcpy(onScreen.scanLine(y) + r.left() * 4, bg.menuImage().constScanLine(y) + r.left() * 4,
                      r.width() * 4);
      }
      QVERIFY2(onScreen == bg.menuImage(),
               qPrintable(QStringLiteral("step %1 left a stale pixel").arg(step)));
    }
    // Far less than the whole picture each step.
    QVERIFY(redrawn < static_cast<long long>(steps) * kMenuImageWidth * kMenuImageHeight / 3);
  }

  void stepDrawsTiledTissueThenSpritesAtTheirOldPlaces() {
    Game game;
    game.random.seed(1);
    MenuBackground bg(organismSheet, twinkleSheet, tissue);
    bg.setup(game);
    for (auto& s : bg.menuOrganisms()) s.px = -100;  // out of the picture
    AnimatedSprite& o = bg.menuOrganisms()[0];
    o.px = 150;
    o.py = 120;
    o.frame = 2;
    o.period = 40;
    for (auto& t : bg.twinkles()) t.px = -100;
    AnimatedSprite& t = bg.twinkles()[0];
    t.px = 152;  // over the organism: twinkles are drawn last
    t.py = 121;
    t.frame = 1;
    t.period = 1000;
    queue(game, {0, 0});  // the organism's move: (-5, -5)

    bg.step(game);
    const QImage& img = bg.menuImage();
    QCOMPARE(img.size(), QSize(200, 230));
    QCOMPARE(img.format(), QImage::Format_RGB32);
    QCOMPARE(img.pixel(0, 0), tissue.pixel(0, 0));
    QCOMPARE(img.pixel(199, 229), tissue.pixel(99, 29));  // tiles of 100 x 100 from the top-left
    QCOMPARE(img.pixel(160, 140), tissue.pixel(60, 40));
    QCOMPARE(img.pixel(151, 120), qRgb(0, 0, 255));       // the organism's square
    QCOMPARE(img.pixel(152, 121), qRgb(0, 255, 255));     // the twinkle over it
    QCOMPARE(img.pixel(155, 120), tissue.pixel(55, 20));  // beside both: the tissue shows
    QCOMPARE(o.px, 145);                                  // drawn first, moved after
  }
};

KLEBONY_UI_TEST(ShellBackgroundTest)

}  // namespace klebony

#include "shell_background_test.moc"
