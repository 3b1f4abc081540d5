// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The 40 ms board step with every cell visible, drawn whole and drawn only
// where it changed, against the same picture drawn with QPainter's raster
// operations and against one plain copy of the finished board.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include "core/animation.h"
#include "core/random.h"
#include "core/world.h"
#include "ui/game/board_draw.h"
#include "ui/sprite.h"

namespace {

using namespace klebony;

// An organism sheet with real masks: a disc of colour on black, white around it.
QImage makeSheet() {
  QImage sheet(72, 144, QImage::Format_RGB32);
  sheet.fill(Qt::black);
  for (int strip = 0; strip < 6; ++strip)
    for (int f = 0; f < 6; ++f)
      for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 12; ++x) {
          const bool inside = (x - 6) * (x - 6) + (y - 6) * (y - 6) < 16 + f;
          sheet.setPixel(12 * f + x, 24 * strip + y, inside ? qRgb(40 * strip, 200, 30 * f) : qRgb(0, 0, 0));
          sheet.setPixel(12 * f + x, 24 * strip + 12 + y, inside ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
        }
  return sheet;
}

World allVisible() {
  World world;
  for (int x = 0; x < kBoardSize; ++x)
    for (int y = 0; y < kBoardSize; ++y) {
      assignStrip(world, x, y, (x + y) % 6);
      Cell& c = world.cell(x, y);
      c.owner = (x + y) % 6;
      c.visible = true;
      c.px = x * kCellPixels;
      c.py = y * kCellPixels;
      c.frame = (x * 7 + y) % 6;
    }
  return world;
}

void BM_BoardStep(benchmark::State& state) {
  const QImage sheet = makeSheet();
  World world = allVisible();
  Random random;
  random.seed(1);
  QImage board(kBoardPixels, kBoardPixels, QImage::Format_RGB32);
  for (auto _ : state) {
    drawCells(world, random, sheet, board);
    benchmark::DoNotOptimize(board.constBits());
  }
}
BENCHMARK(BM_BoardStep);

// The step that draws again only the squares whose frame changed, on the
// same full board: what the game window runs every 40 ms.
void BM_BoardStepChangedOnly(benchmark::State& state) {
  const QImage sheet = makeSheet();
  World world = allVisible();
  Random random;
  random.seed(1);
  QImage board(kBoardPixels, kBoardPixels, QImage::Format_RGB32);
  AnimatedSprite marker;
  BoardPainter painter;
  size_t rects = 0;
  for (auto _ : state) {
    rects += painter.step(world, random, sheet, marker, board).size();
    benchmark::DoNotOptimize(board.constBits());
  }
  state.counters["rects"] =
      benchmark::Counter(static_cast<double>(rects), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_BoardStepChangedOnly);

// The same step with QPainter: AND with the mask, then OR with the picture.
void BM_BoardStepQPainterRasterOps(benchmark::State& state) {
  const QImage sheet = makeSheet();
  World world = allVisible();
  Random random;
  random.seed(1);
  QImage board(kBoardPixels, kBoardPixels, QImage::Format_RGB32);
  for (auto _ : state) {
    board.fill(Qt::black);
    QPainter p(&board);
    for (int x = 0; x < kBoardSize; ++x)
      for (int y = 0; y < kBoardSize; ++y) {
        Cell& c = world.cell(x, y);
        if (!c.visible) continue;
        const int fx = kCellPixels * c.frame;
        p.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
        p.drawImage(c.px, c.py, sheet, fx, c.strip + kCellPixels, kCellPixels, kCellPixels);
        p.setCompositionMode(QPainter::RasterOp_SourceOrDestination);
        p.drawImage(c.px, c.py, sheet, fx, c.strip, kCellPixels, kCellPixels);
        stepCellAnimation(c, random);
      }
    p.end();
    benchmark::DoNotOptimize(board.constBits());
  }
}
BENCHMARK(BM_BoardStepQPainterRasterOps);

// The floor: the finished board copied once onto another picture.
void BM_BoardPlainCopy(benchmark::State& state) {
  QImage board(kBoardPixels, kBoardPixels, QImage::Format_RGB32);
  board.fill(Qt::darkGreen);
  QImage screen(kBoardPixels, kBoardPixels, QImage::Format_RGB32);
  for (auto _ : state) {
    QPainter p(&screen);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(0, 0, board);
    p.end();
    benchmark::DoNotOptimize(screen.constBits());
  }
}
BENCHMARK(BM_BoardPlainCopy);

}  // namespace

int main(int argc, char** argv) {
  // The raster engine needs a GUI application; no window is opened.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
