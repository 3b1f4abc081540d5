// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The board's drawing: masked sprites, the 40 ms step and its scaling.
#include <QScreen>
#include <QTest>
#include <cstring>

#include "tests/ui/game_rig.h"
#include "tests/ui/registry.h"
#include "ui/assets.h"
#include "ui/game/board_draw.h"
#include "ui/game/image_box.h"
#include "ui/rest_while_hidden.h"
#include "ui/sprite.h"

namespace klebony {

using gametest::placeBoard;
using gametest::Rig;

namespace {

// A 2-frame sheet of 2 x 2 pictures: frame 0 paints its left column red
// (mask black there) and leaves its right column to the target (mask white).
QImage tinySheet() {
  QImage sheet(4, 4, QImage::Format_RGB32);
  sheet.fill(Qt::black);
  for (int y = 0; y < 2; ++y) {
    sheet.setPixel(0, y, qRgb(255, 0, 0));
    sheet.setPixel(1, 2 + y, qRgb(255, 255, 255));
    sheet.setPixel(2, y, qRgb(0, 0, 255));
    sheet.setPixel(3, 2 + y, qRgb(255, 255, 255));
  }
  return sheet;
}

quint32 expectedOver(quint32 target, const QImage& sheet, const Sprite& s, int i, int j) {
  return (target & sheet.pixel(s.maskX + i, s.maskY + j)) | sheet.pixel(s.imageX + i, s.imageY + j);
}

}  // namespace

class GameBoardDrawingTest : public QObject {
  Q_OBJECT

 private slots:
  void maskedDrawingKeepsTheTargetWhereTheMaskIsWhiteAndClipsAtTheEdges() {
    const QImage sheet = tinySheet();
    const std::vector<Sprite> frames = cutFrames(sheet, 2, 2, 2);
    QImage target(3, 3, QImage::Format_RGB32);
    target.fill(qRgb(10, 200, 30));
    drawSprite(frames[0], target, 0, 0);
    QCOMPARE(target.pixel(0, 0), qRgb(255, 0, 0));
    QCOMPARE(target.pixel(1, 1), qRgb(10, 200, 30));
    // Half outside at the bottom right: the rest is clipped, nothing else moves.
    drawSprite(frames[1], target, 2, 2);
    QCOMPARE(target.pixel(2, 2), qRgb(0, 0, 255));
    QCOMPARE(target.pixel(2, 1), qRgb(10, 200, 30));
    drawSprite(frames[0], target, -1, -1);  // only its right column would land, and it is transparent
    QCOMPARE(target.pixel(0, 0), qRgb(255, 0, 0));
    drawSprite(frames[0], target, 5, 0);
    drawSprite(frames[0], target, -9, 0);
  }

  // Regression: a frame beyond its sheet (a cell with a strange frame) read foreign memory.
  void aFrameOutsideItsSheetDrawsNothing() {
    const QImage sheet = tinySheet();
    QImage target(4, 4, QImage::Format_RGB32);
    target.fill(qRgb(1, 2, 3));
    const QImage before = target;
    drawSprite(Sprite{&sheet, 4, 0, 4, 2, 2, 2}, target, 0, 0);
    drawSprite(Sprite{&sheet, 0, 3, 0, 5, 2, 2}, target, 0, 0);
    drawSprite(Sprite{&sheet, -2, 0, -2, 2, 2, 2}, target, 0, 0);
    QCOMPARE(target, before);
  }

  void onlyVisibleCellsAreDrawnAndAnimatedAndTheMarkerGoesOverAHiddenCell() {
    Rig rig;
    rig.open();
    placeBoard(rig.game, {"....", ".4..", "....", "...0"});
    World& world = rig.game.world;
    const Cell hiddenBefore = world.cell(3, 3);
    const Cell visibleBefore = world.cell(1, 1);
    rig.game.window.hoverX = 20;
    rig.game.window.hoverY = 30;

    rig.window->drawingStep();

    const Assets& assets = Assets::get();
    const QImage shown = rig.part<ImageBox>("boardView")->shown();
    QCOMPARE(shown.size(), QSize(432, 432));
    QCOMPARE(world.cell(3, 3).frame, hiddenBefore.frame);
    QCOMPARE(world.cell(3, 3).tick, hiddenBefore.tick);
    QVERIFY(world.cell(1, 1).tick != visibleBefore.tick || world.cell(1, 1).frame != visibleBefore.frame);

    // The player's cell shows its strip's frame drawn over black.
    const Sprite own{
        &assets.organismSheet, 12 * visibleBefore.frame, 72, 12 * visibleBefore.frame, 84, 12, 12};
    // The marker's first frame lies over the hidden cell at (20, 30), also on black.
    const Sprite marker{&assets.markerSheet, 0, 0, 0, 12, 12, 12};
    const quint32 black = qRgb(0, 0, 0);
    for (int j = 0; j < 12; ++j)
      for (int i = 0; i < 12; ++i) {
        QCOMPARE(shown.pixel(12 + i, 12 + j), expectedOver(black, assets.organismSheet, own, i, j));
        QCOMPARE(shown.pixel(240 + i, 360 + j), expectedOver(black, assets.markerSheet, marker, i, j));
        QCOMPARE(shown.pixel(36 + i, 36 + j), black);  // the hidden enemy stays black
      }
  }

  // The board is painted row by row in one pass; it must give exactly the
  // pixels of "black, then drawSprite for each visible cell", and step the
  // cells in the rules' order (column by column) with the same draws.
  void theBoardStepPaintsWhatDrawSpriteWouldAndStepsInTheRulesOrder() {
    const QImage& sheet = Assets::get().organismSheet;
    World world;
    Random shape;
    shape.seed(5);
    for (int x = 0; x < kBoardSize; ++x)
      for (int y = 0; y < kBoardSize; ++y) {
        assignStrip(world, x, y, shape(6));
        Cell& c = world.cell(x, y);
        c.visible = shape(3) != 0;
        c.px = x * kCellPixels;
        c.py = y * kCellPixels;
        c.frame = shape(6);
        c.tick = shape(100);
        c.period = shape(200);
      }
    // Cells no game makes: a frame off the sheet, a cell out of its square.
    world.cell(3, 4).frame = 9;
    world.cell(3, 4).visible = true;
    world.cell(7, 7).px = 430;
    world.cell(7, 7).visible = true;
    world.cell(35, 7).visible = false;  // where the odd one lands
    World reference = world;
    QImage expected(kBoardPixels, kBoardPixels, QImage::Format_RGB32);
    expected.fill(Qt::black);
    Random expectedDraws;
    expectedDraws.seed(9);
    for (int x = 0; x < kBoardSize; ++x)
      for (int y = 0; y < kBoardSize; ++y) {
        Cell& c = reference.cell(x, y);
        if (!c.visible) continue;
        drawSprite(Sprite{&sheet, 12 * c.frame, c.strip, 12 * c.frame, c.strip + 12, 12, 12}, expected, c.px,
                   c.py);
        stepCellAnimation(c, expectedDraws);
      }

    QImage board(kBoardPixels, kBoardPixels, QImage::Format_RGB32);
    board.fill(Qt::red);
    Random draws;
    draws.seed(9);
    for (int step = 0; step < 3; ++step) {
      drawCells(world, draws, sheet, board);
      if (step == 0) QCOMPARE(board, expected);
    }
    for (int step = 1; step < 3; ++step)
      for (int x = 0; x < kBoardSize; ++x)
        for (int y = 0; y < kBoardSize; ++y)
          if (reference.cell(x, y).visible) stepCellAnimation(reference.cell(x, y), expectedDraws);
    for (int x = 0; x < kBoardSize; ++x)
      for (int y = 0; y < kBoardSize; ++y) {
        QCOMPARE(world.cell(x, y).frame, reference.cell(x, y).frame);
        QCOMPARE(world.cell(x, y).period, reference.cell(x, y).period);
      }
  }

  // The step that repaints only what changed must show, at every step, what
  // drawing the whole board shows, step its cells with the same draws, and
  // name every pixel that changed: the screen gets only those rectangles.
  void theBoardRepaintedWhereItChangedShowsWhatAWholeRedrawShows() {
    const Assets& assets = Assets::get();
    const QImage& sheet = assets.organismSheet;
    World world;
    Random shape;
    shape.seed(21);
    for (int x = 0; x < kBoardSize; ++x)
      for (int y = 0; y < kBoardSize; ++y) {
        assignStrip(world, x, y, shape(6));  // 5: a free cell
        Cell& c = world.cell(x, y);
        c.visible = shape(4) == 0;
        c.px = x * kCellPixels;
        c.py = y * kCellPixels;
        c.frame = shape(6);
        c.tick = shape(100);
        c.period = shape(300);
      }
    World reference = world;
    Random draws, referenceDraws;
    draws.seed(3);
    referenceDraws.seed(3);
    AnimatedSprite marker, referenceMarker;
    marker.sprites = referenceMarker.sprites =
        cutFrames(assets.markerSheet, kMarkerFrames, kCellPixels, kCellPixels);
    AnimatedSprite heart, referenceHeart;
    heart.sprites = referenceHeart.sprites = cutFrames(assets.heartSheet, kHeartFrames, 32, 32);

    QImage board(kBoardPixels, kBoardPixels, QImage::Format_RGB32);
    board.fill(Qt::black);
    QImage expected = board;
    QImage heartImage(32, 32, QImage::Format_RGB32);
    QImage expectedHeart = heartImage;
    QImage onScreen = board.copy();  // what the screen got: only the rectangles reported
    BoardPainter painter;
    SpritePainter heartPainter;
    const QColor silver(192, 192, 192);
    int repainted = 0;
    for (int step = 0; step < 400; ++step) {
      // What play does between steps: the pointer moves (also onto hidden
      // cells and to the edge), sensors reveal and hide, cells change owner.
      if (step % 7 == 0) {
        const int hx = shape(kBoardSize), hy = shape(kBoardSize);
        marker.px = referenceMarker.px = step % 49 == 0 ? (kBoardSize - 1) * kCellPixels : hx * kCellPixels;
        marker.py = referenceMarker.py = hy * kCellPixels;
      }
      if (step % 5 == 0)
        for (int k = 0; k < 20; ++k) {
          const int x = shape(kBoardSize), y = shape(kBoardSize);
          const bool visible = shape(2) == 0;
          world.cell(x, y).visible = reference.cell(x, y).visible = visible;
          if (shape(3) == 0) {
            const int owner = shape(5);
            assignStrip(world, x, y, owner);
            assignStrip(reference, x, y, owner);
          }
        }

      const std::vector<QRect> changed = painter.step(world, draws, sheet, marker, board);
      drawCells(reference, referenceDraws, sheet, expected);
      drawAndStep(referenceMarker, expected);
      QVERIFY2(board == expected, qPrintable(QStringLiteral("step %1").arg(step)));
      QVERIFY(world == reference);
      QCOMPARE(marker.frame, referenceMarker.frame);
      QCOMPARE(marker.period, referenceMarker.period);
      for (const QRect& r : changed) {
        QVERIFY(board.rect().contains(r));
        repainted += r.width() * r.height();
        for (int y = r.top(); y <= r.bottom(); ++y)
          std::memcpy(onScreen.scanLine(y) + r.left() * 4, board.constScanLine(y) + r.left() * 4,
                      r.width() * 4);
      }
      QVERIFY2(onScreen == board, qPrintable(QStringLiteral("step %1 left a stale pixel").arg(step)));

      const bool heartChanged = heartPainter.step(heart, heartImage, silver);
      const QImage heartBefore = expectedHeart.copy();
      expectedHeart.fill(silver);
      drawAndStep(referenceHeart, expectedHeart);
      QCOMPARE(heartImage, expectedHeart);
      QCOMPARE(heartChanged, step == 0 || heartBefore != expectedHeart);
      QCOMPARE(heart.frame, referenceHeart.frame);
    }
    // It did repaint less than the whole board each time.
    QVERIFY(repainted < 400 * kBoardPixels * kBoardPixels / 4);
  }

  // After a step with nothing new, nothing is sent to the screen.
  void aRestingBoardRepaintsNothing() {
    World world;
    for (int x = 0; x < kBoardSize; ++x)
      for (int y = 0; y < kBoardSize; ++y) {
        world.cell(x, y).px = x * kCellPixels;
        world.cell(x, y).py = y * kCellPixels;
      }
    assignStrip(world, 1, 2, kPlayer);
    world.cell(1, 2).visible = true;
    world.cell(1, 2).period = 100000;  // the one visible cell keeps its frame
    Random draws;
    const QImage& sheet = Assets::get().organismSheet;
    BoardPainter painter;
    QImage board(kBoardPixels, kBoardPixels, QImage::Format_RGB32);
    AnimatedSprite marker;  // no marker
    QCOMPARE(painter.step(world, draws, sheet, marker, board), std::vector<QRect>{board.rect()});
    QVERIFY(painter.step(world, draws, sheet, marker, board).empty());
    world.cell(1, 2).visible = false;
    QCOMPARE(painter.step(world, draws, sheet, marker, board), std::vector<QRect>{QRect(12, 24, 12, 12)});
    QVERIFY(painter.step(world, draws, sheet, marker, board).empty());
  }

  // The board box gets the changed rectangles only, and shows the whole
  // picture all the same, also when the window draws through its timer.
  void theBoardBoxShowsTheWholePictureFromItsChangedRectangles() {
    QImage picture(20, 10, QImage::Format_RGB32);
    picture.fill(qRgb(1, 2, 3));
    ImageBox box(picture.size());
    box.present(picture);
    picture.setPixel(4, 5, qRgb(200, 0, 0));
    picture.setPixel(19, 9, qRgb(0, 200, 0));
    box.present(picture, {QRect(4, 5, 1, 1), QRect(18, 8, 5, 5)});
    QCOMPARE(box.shown(), scaledByWholeFactor(picture, box.scaleFactor()));
    QCOMPARE(box.grab().toImage().convertToFormat(QImage::Format_RGB32), picture);

    Rig rig;
    rig.open();
    for (int i = 0; i < 30; ++i) rig.window->drawingStep();
    auto* game = rig.part<ImageBox>("boardView");
    QCOMPARE(game->grab().toImage().convertToFormat(QImage::Format_RGB32), game->shown());
  }

  // What the board's partial repaints leave on the screen, with the pointer
  // moving, is what painting the whole window shows.
  void theGameWindowOnTheScreenIsTheWholeWindowRepaintedAfterManySteps() {
    Rig rig;
    rig.open();
    QVERIFY(QTest::qWaitForWindowExposed(rig.window.get()));
    for (int step = 0; step < 120; ++step) {
      rig.game.window.hoverX = (step / 7) % kBoardSize;
      rig.game.window.hoverY = (step / 5) % kBoardSize;
      rig.window->drawingStep();
      if (step % 30 != 29) continue;
      QApplication::processEvents();
      const QImage onScreen = rig.window->screen()
                                  ->grabWindow(rig.window->winId())
                                  .toImage()
                                  .convertToFormat(QImage::Format_RGB32);
      const QImage whole = rig.window->grab().toImage().convertToFormat(QImage::Format_RGB32);
      QVERIFY2(onScreen == whole, qPrintable(QStringLiteral("step %1").arg(step)));
    }
  }

  // Out of sight the board does no work; the status lines' timers are the
  // game's and go on. Back in sight the board runs again.
  void theBoardRestsWhileTheWindowIsMinimisedOrHidden() {
    Rig rig;
    rig.window->show();
    QApplication::processEvents();
    auto* board = rig.part<QTimer>("boardTimer");
    auto* t1 = rig.part<QTimer>("upperStatusTimer");
    QVERIFY(board->isActive());
    t1->start();
    rig.window->showMinimized();
    QApplication::processEvents();
    QVERIFY(!board->isActive());
    QVERIFY(t1->isActive());
    rig.window->showNormal();
    QApplication::processEvents();
    QVERIFY(board->isActive());

    // A timer its owner stopped stays stopped when the window comes back.
    QWidget window;
    QTimer running, stopped;
    running.start(1000);
    RestWhileHidden rest(&window, {&running, &stopped});
    window.show();
    window.hide();
    QVERIFY(!running.isActive());
    QVERIFY(rest.resting());
    window.show();
    QVERIFY(running.isActive());
    QVERIFY(!stopped.isActive());
  }

  void theHeartIsDrawnMaskedOverSilver() {
    const QImage& sheet = Assets::get().heartSheet;
    QImage heart(32, 32, QImage::Format_RGB32);
    heart.fill(QColor(192, 192, 192));
    AnimatedSprite beat;
    beat.sprites = cutFrames(sheet, kHeartFrames, 32, 32);
    beat.frame = 2;
    drawAndStep(beat, heart);
    for (int j = 0; j < 32; ++j)
      for (int i = 0; i < 32; ++i)
        QCOMPARE(heart.pixel(i, j), expectedOver(qRgb(192, 192, 192), sheet, beat.sprites[2], i, j));
  }

  void theMarkerAndTheHeartSettleOnTwoStepsPerFrameAfterTheirFirstCycle() {
    QImage target(32, 32, QImage::Format_RGB32);
    AnimatedSprite heart;
    heart.sprites = cutFrames(Assets::get().heartSheet, kHeartFrames, 32, 32);
    std::vector<int> frames;
    for (int i = 0; i < 12; ++i) {
      drawAndStep(heart, target);
      frames.push_back(heart.frame);
    }
    // With period 0 every step turns the frame, until the wrap sets period 60.
    QCOMPARE(frames, (std::vector<int>{1, 2, 3, 0, 0, 1, 1, 2, 2, 3, 3, 0}));
    QCOMPARE(heart.period, kSpritePeriod);
  }

  void aDoubleDensityScreenGetsTheBoardEnlargedPixelForPixel() {
    QImage board(3, 2, QImage::Format_RGB32);
    for (int y = 0; y < 2; ++y)
      for (int x = 0; x < 3; ++x) board.setPixel(x, y, qRgb(x * 80, y * 80, 7));
    const QImage big = scaledByWholeFactor(board, 2);
    QCOMPARE(big.size(), QSize(6, 4));
    for (int y = 0; y < 4; ++y)
      for (int x = 0; x < 6; ++x) QCOMPARE(big.pixel(x, y), board.pixel(x / 2, y / 2));
    QCOMPARE(scaledByWholeFactor(board, 1), board);
  }

  void theBoardReportsPointerPositionsInBoardPixelsWhateverItsSize() {
    ImageBox box(QSize(432, 432));
    box.setFixedSize(864, 864);
    box.setMouseTracking(true);
    QList<QPoint> moved;
    connect(&box, &ImageBox::pointerMoved, this, [&](int x, int y) { moved << QPoint(x, y); });
    gametest::moveOver(&box, QPoint(863, 25));
    QCOMPARE(moved, QList<QPoint>{QPoint(431, 12)});
  }
};

KLEBONY_UI_TEST(GameBoardDrawingTest)

}  // namespace klebony

#include "game_board_drawing_test.moc"
