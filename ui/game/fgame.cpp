#include "fgame.h"

#include <QCloseEvent>
#include <QEventLoop>

namespace klebony {

struct FGame::Parts {
  Game& game;
  Ports ports;
};

FGame::FGame(Game& game, const Ports& ports, QWidget* parent)
    : QMainWindow(parent), d(new Parts{game, ports}) {
  setWindowTitle(QStringLiteral("Игра - КЛЕБОНЫ (версия 1.0)"));
}

FGame::~FGame() = default;

void FGame::showModal() {
  setWindowModality(Qt::ApplicationModal);
  show();
  QEventLoop loop;
  connect(this, &QObject::destroyed, &loop, &QEventLoop::quit);
  while (isVisible()) loop.processEvents(QEventLoop::WaitForMoreEvents);
}

void FGame::keyPressEvent(QKeyEvent* event) { QMainWindow::keyPressEvent(event); }
void FGame::closeEvent(QCloseEvent* event) { QMainWindow::closeEvent(event); }
void FGame::showEvent(QShowEvent* event) { QMainWindow::showEvent(event); }
void FGame::changeEvent(QEvent* event) { QMainWindow::changeEvent(event); }
bool FGame::eventFilter(QObject* watched, QEvent* event) { return QMainWindow::eventFilter(watched, event); }

}  // namespace klebony
