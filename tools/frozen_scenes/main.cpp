// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the scenes whose pixels a change to the code must leave alone: the
// start screen, the game window after a seeded start, each menu open, the
// help, the mutation mode, the player's and an enemy's panel, the about box
// and the name dialog. Each becomes DIR/<scene>.png; the same build draws
// the same bytes, so two runs compare with cmp.
// Usage: klebony-scenes DIR  (run offscreen: QT_QPA_PLATFORM=offscreen)
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QTimer>
#include <cstdio>
#include <optional>

#include "core/game.h"
#include "core/world.h"
#include "ui/assets.h"
#include "ui/game/game_window.h"
#include "ui/ports.h"
#include "ui/shell/about_box.h"
#include "ui/shell/name_dialog.h"
#include "ui/shell/russian_translation.h"
#include "ui/shell/start_screen.h"

namespace klebony {
namespace {

constexpr uint64_t kSeed = 11;

struct Quiet : SoundPort, MessagePort, FileDialogPort, DesktopPort {
  void play(Sound, SoundMode) override {}
  void message(QWidget*, const QString&) override {}
  bool question(QWidget*, const QString&) override { return false; }
  std::optional<QString> savePath(QWidget*) override { return std::nullopt; }
  std::optional<QString> openPath(QWidget*) override { return std::nullopt; }
  void openUrl(const QString&) override {}
};

class Scenes {
 public:
  explicit Scenes(const QString& dir) : dir_(dir) {}

  bool save(QWidget* w, const char* scene) {
    QApplication::processEvents();
    const QString path = dir_.filePath(QLatin1String(scene) + QStringLiteral(".png"));
    if (w->grab().save(path)) return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    ok_ = false;
    return false;
  }
  bool ok() const { return ok_; }

 private:
  QDir dir_;
  bool ok_ = true;
};

// The pointer rests over the board at a cell's centre.
void pointAt(QWidget* board, int x, int y) {
  const QPointF pos(x * kCellPixels + 6, y * kCellPixels + 6);
  QMouseEvent move(QEvent::MouseMove, pos, board->mapToGlobal(pos), Qt::NoButton, Qt::NoButton,
                   Qt::NoModifier);
  QApplication::sendEvent(board, &move);
}

// A visible enemy cell, the first in column order.
std::optional<std::pair<int, int>> visibleEnemy(const World& w) {
  for (int x = 0; x < kBoardSize; ++x)
    for (int y = 0; y < kBoardSize; ++y)
      if (w.cell(x, y).visible && w.cell(x, y).owner >= 0 && w.cell(x, y).owner < kPlayer)
        return std::pair{x, y};
  return std::nullopt;
}

void trigger(QWidget* window, const char* action) {
  if (auto* a = window->findChild<QAction*>(QLatin1String(action))) a->trigger();
  QApplication::processEvents();
}

int drawScenes(const QString& dir) {
  const RussianTranslation russian;
  const Assets& assets = Assets::get();
  Quiet quiet;
  Scenes scenes(dir);

  Game game;
  {
    StartScreen start(game, assets, quiet);
    start.animationTimer.stop();
    game.random.seed(kSeed);  // the screen seeds from the clock; the scene must not
    start.background().setup(game);
    start.background().render();
    start.show();
    start.animationTimer.stop();
    scenes.save(&start, "start-screen");
  }

  game.random.seed(kSeed);
  GameWindow window(game, Ports{&quiet, &quiet, &quiet, &quiet});
  window.show();
  QApplication::processEvents();
  if (auto* t = window.findChild<QTimer*>(QStringLiteral("boardTimer"))) t->stop();
  window.drawingStep();
  scenes.save(&window, "game-window");

  int index = 0;
  for (QAction* top : window.menuBar()->actions()) {
    QMenu* menu = top->menu();
    if (!menu) continue;
    menu->popup(window.mapToGlobal(QPoint(0, window.menuBar()->height())));
    const QByteArray name = "menu-" + QByteArray::number(++index) + "-" + menu->objectName().toLatin1();
    scenes.save(menu, name.constData());
    menu->hide();
  }

  auto* board = window.findChild<QWidget*>(QStringLiteral("boardView"));
  const World& w = game.world;
  int ownX = 0, ownY = 0;
  for (int x = 0; x < kBoardSize; ++x)
    for (int y = 0; y < kBoardSize; ++y)
      if (w.cell(x, y).owner == kPlayer) ownX = x, ownY = y;
  pointAt(board, ownX, ownY);
  window.drawingStep();
  scenes.save(&window, "own-panel");
  // At the start the player sees no enemy: one takes the cell beside it.
  const auto enemy = visibleEnemy(w).value_or(std::pair{ownX == 0 ? 1 : ownX - 1, ownY});
  if (w.cell(enemy.first, enemy.second).owner != 0) {
    game.world.cell(enemy.first, enemy.second).owner = 0;
    assignStrip(game.world, enemy.first, enemy.second, 0);
    ++game.world.organisms[0].size;
    recomputeVisibility(game.world);
  }
  pointAt(board, enemy.first, enemy.second);
  window.drawingStep();
  scenes.save(&window, "enemy-panel");
  pointAt(board, ownX, ownY);

  trigger(&window, "mutationAction");
  window.drawingStep();
  scenes.save(&window, "mutation-mode");
  trigger(&window, "mutationAction");

  trigger(&window, "helpAction");
  scenes.save(&window, "help");
  trigger(&window, "helpAction");
  window.hide();

  AboutBox about(quiet);
  about.show();
  scenes.save(&about, "about-box");
  about.hide();

  NameDialog name(game);
  name.show();
  scenes.save(&name, "name-dialog");
  name.hide();
  return scenes.ok() ? 0 : 1;
}

}  // namespace
}  // namespace klebony

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: klebony-scenes DIR\n");
    return 2;
  }
  QDir().mkpath(QString::fromLocal8Bit(argv[1]));
  return klebony::drawScenes(QString::fromLocal8Bit(argv[1]));
}
