// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/shell/start_screen.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>

#include "core/rules.h"
#include "ui/assets.h"
#include "ui/fonts.h"
#include "ui/palette.h"
#include "ui/ports.h"
#include "ui/rest_while_hidden.h"
#include "ui/shell/button_cover.h"
#include "ui/window_placement.h"

namespace klebony {

namespace {
constexpr int kTimerInterval = 30;

// ---- The start screen's layout: three buttons down the middle
constexpr QSize kScreenSize(192, 203);
constexpr int kButtonLeft = 52;
constexpr QSize kButtonSize(89, 25);
constexpr int kButtonFont = 12;
constexpr int kPlayTop = 32;
constexpr int kNameTop = 86;
constexpr int kQuitTop = 140;
}  // namespace

StartScreen::StartScreen(Game& game, const Assets& assets, SoundPort& sound, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      game_(game),
      sound_(sound),
      background_(assets.image(Picture::OrganismSheet), assets.image(Picture::TwinkleSheet),
                  assets.image(Picture::TissueTexture)) {
  setObjectName(QStringLiteral("startScreen"));
  setWindowTitle(QStringLiteral("Клебоны v1.0"));
  setFixedSize(kScreenSize);
  setAttribute(Qt::WA_OpaquePaintEvent);  // the background covers every pixel
  setCursor(assets.cursor(Picture::WindowCursor));
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->availableGeometry();
    move(placedInside(QRect(area.center() - rect().center(), size()), area).topLeft());
  }
  keepOnScreen(this);

  // Created in tab order.
  const auto button = [&](const char* name, const QString& text, int y) {
    auto* b = new QPushButton(text, this);
    b->setObjectName(QLatin1String(name));
    b->setGeometry(QRect(QPoint(kButtonLeft, y), kButtonSize));
    b->setFont(gameFont(kButtonFont, true));
    b->setCursor(assets.cursor(Picture::ButtonCursor));
    QPalette p = b->palette();
    p.setColor(QPalette::ButtonText, palette::kText);
    b->setPalette(p);
    return b;
  };
  playButton = button("playButton", QStringLiteral("Игра"), kPlayTop);
  nameButton = button("nameButton", QStringLiteral("Настройки"), kNameTop);
  quitButton = button("quitButton", QStringLiteral("Выход"), kQuitTop);
  connect(playButton, &QPushButton::clicked, this, &StartScreen::playGame);
  connect(nameButton, &QPushButton::clicked, this, &StartScreen::showNameDialog);
  connect(quitButton, &QPushButton::clicked, this, &StartScreen::quit);

  // The only seeding in the application: each run of the game differs.
  game_.random.seedFromClock();
  background_.setup(game_);
  background_.render();  // the first paint shows the tissue, not black

  animationTimer.setInterval(kTimerInterval);
  connect(&animationTimer, &QTimer::timeout, this, &StartScreen::animationStep);
  animationTimer.start();
  new RestWhileHidden(this, {&animationTimer});  // no animation while out of sight
  buttonCover_ = new ButtonCover(this);
}

void StartScreen::animationStep() {
  // Only the part where sprites moved or changed their frame reaches the
  // screen (one rectangle costs less to paint than many small ones), less
  // what the buttons hide; painted at once, in this same wake-up.
  const std::vector<QRect> changed = background_.step(game_);
  const QRegion seen = buttonCover_->visiblePart(changed, rect(), background_.menuImage());
  if (!seen.isEmpty()) repaint(seen);
}

void StartScreen::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  for (const QRect& r : event->region()) painter.drawImage(r, background_.menuImage(), r);
  if (!painted_) {
    painted_ = true;
    emit firstPainted();
  }
}

void StartScreen::playGame() {
  if (inGame_) return;
  // The whole screen waits for the sound, its animation included.
  animationTimer.stop();
  sound_.play(Sound::NewGame, SoundMode::Sync);
  hide();
  inGame_ = true;
  if (showGame_) showGame_();
  inGame_ = false;
  if (quitting_) {
    close();
    return;
  }
  animationTimer.start();
  show();
  leaveGame(game_);
}

void StartScreen::showNameDialog() {
  if (showSettings_) showSettings_();
}

void StartScreen::quit() { close(); }

void StartScreen::quitFromGame() {
  quitting_ = true;
  if (!inGame_) close();
}

void StartScreen::closeEvent(QCloseEvent* event) {
  animationTimer.stop();
  event->accept();
  emit closed();
}

}  // namespace klebony
