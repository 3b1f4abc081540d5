#include "menu_klebon.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>

#include "assets.h"
#include "button_cover.h"
#include "fonts.h"
#include "ports.h"
#include "rest_while_hidden.h"
#include "rules.h"
#include "window_placement.h"

namespace klebony {

namespace {
constexpr int kTimerInterval = 30;
}

Tmenu_klebon::Tmenu_klebon(Game& game, const Assets& assets, SoundPort& sound, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      game_(game),
      sound_(sound),
      background_(assets.Im_m, assets.Im_z, assets.Im_texture) {
  setObjectName(QStringLiteral("menu_klebon"));
  setWindowTitle(QStringLiteral("Клебоны v1.0"));
  setFixedSize(192, 203);
  setAttribute(Qt::WA_OpaquePaintEvent);  // the background covers every pixel
  setCursor(assets.CURS);
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->availableGeometry();
    move(placedInside(QRect(area.center() - rect().center(), size()), area).topLeft());
  }
  keepOnScreen(this);

  // Created in tab order.
  const auto button = [&](const char* name, const QString& text, int y) {
    auto* b = new QPushButton(text, this);
    b->setObjectName(QLatin1String(name));
    b->setGeometry(52, y, 89, 25);
    b->setFont(gameFont(12, true));
    b->setCursor(assets.CURSPOLE);
    QPalette p = b->palette();
    p.setColor(QPalette::ButtonText, Qt::black);
    b->setPalette(p);
    return b;
  };
  BNewGame = button("BNewGame", QStringLiteral("Игра"), 32);
  BNastroiki = button("BNastroiki", QStringLiteral("Настройки"), 86);
  BExit = button("BExit", QStringLiteral("Выход"), 140);
  connect(BNewGame, &QPushButton::clicked, this, &Tmenu_klebon::BNewGameClick);
  connect(BNastroiki, &QPushButton::clicked, this, &Tmenu_klebon::BNastroikiClick);
  connect(BExit, &QPushButton::clicked, this, &Tmenu_klebon::BExitClick);

  // FormCreate: the only seeding in the application.
  game_.random.seedFromClock();
  background_.setup(game_);
  background_.render();  // the first paint shows the tissue, not black

  Timer.setInterval(kTimerInterval);
  connect(&Timer, &QTimer::timeout, this, &Tmenu_klebon::TimerTimer);
  Timer.start();
  new RestWhileHidden(this, {&Timer});  // no animation while out of sight
  buttonCover_ = new ButtonCover(this);
}

void Tmenu_klebon::TimerTimer() {
  // Only the part where sprites moved or changed their frame reaches the
  // screen (one rectangle costs less to paint than many small ones), less
  // what the buttons hide; painted at once, in this same wake-up.
  const std::vector<QRect> changed = background_.step(game_);
  const QRegion seen = buttonCover_->visiblePart(changed, rect(), background_.menuImage());
  if (!seen.isEmpty()) repaint(seen);
}

void Tmenu_klebon::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  for (const QRect& r : event->region()) painter.drawImage(r, background_.menuImage(), r);
  if (!painted_) {
    painted_ = true;
    emit firstPainted();
  }
}

void Tmenu_klebon::BNewGameClick() {
  if (inGame_) return;
  // The whole screen waits for the sound, its animation included.
  Timer.stop();
  sound_.play(Sound::NewGame, SoundMode::Sync);
  hide();
  inGame_ = true;
  if (showGame_) showGame_();
  inGame_ = false;
  if (quitting_) {
    close();
    return;
  }
  Timer.start();
  show();
  gameWindowClosed(game_);
}

void Tmenu_klebon::BNastroikiClick() {
  if (showSettings_) showSettings_();
}

void Tmenu_klebon::BExitClick() { close(); }

void Tmenu_klebon::quitFromGame() {
  quitting_ = true;
  if (!inGame_) close();
}

void Tmenu_klebon::closeEvent(QCloseEvent* event) {
  Timer.stop();
  event->accept();
  emit closed();
}

}  // namespace klebony
