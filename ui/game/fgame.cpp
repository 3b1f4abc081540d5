#include "fgame.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include "assets.h"
#include "board_draw.h"
#include "commands.h"
#include "fonts.h"
#include "game_menu.h"
#include "help_panel.h"
#include "image_box.h"
#include "mutation.h"
#include "panel4.h"
#include "rest_while_hidden.h"
#include "rules.h"
#include "status_area.h"
#include "window_placement.h"

namespace klebony {

namespace {

const QColor kSilver(192, 192, 192);

QFrame* panelFrame(QWidget* parent, const char* name, const QRect& geometry, QFrame::Shadow shadow) {
  auto* f = new QFrame(parent);
  f->setObjectName(QLatin1String(name));
  f->setFrameStyle(QFrame::Panel | shadow);
  f->setGeometry(geometry);
  f->setAutoFillBackground(true);
  QPalette pal = f->palette();
  pal.setColor(QPalette::Window, kSilver);
  f->setPalette(pal);
  return f;
}

// The keys are matched by the key, so that they work in either case and also
// with the Russian layout, where the same keys give "Р" and "Ь".
bool isKey(const QKeyEvent* e, Qt::Key latin, char32_t cyrillic) {
  return e->key() == latin || e->key() == static_cast<int>(cyrillic);
}

}  // namespace

// Everything the window holds; it also presents the rules' outcomes.
struct FGame::Parts : Outcomes {
  Parts(FGame* window, Game& g, const Ports& p) : q(window), game(g), ports(p) {}

  FGame* q;
  Game& game;
  Ports ports;

  QImage boardImage;
  QImage heartImage;
  AnimatedSprite hoverMarker;
  AnimatedSprite heart;
  BoardPainter boardPainter;
  SpritePainter heartPainter;

  QFrame* Panel = nullptr;
  QFrame* Panel1 = nullptr;
  ImageBox* GameBox = nullptr;
  HelpPanel* PHelp = nullptr;
  QPushButton* HOD = nullptr;
  StatusLines* Panel2 = nullptr;
  QFrame* Panel3 = nullptr;
  ImageBox* SerdceBox = nullptr;
  ImageBox* SerdceBox2 = nullptr;
  Panel4* panel4 = nullptr;
  CreditsBar* StatusBar1 = nullptr;
  GameMenu menu;

  QTimer* Tim_Game = nullptr;
  QTimer* T1 = nullptr;
  QTimer* T2 = nullptr;

  QEventLoop* modalLoop = nullptr;
  int handlerDepth = 0;
  bool endRequested = false;

  // Runs one event handler of the window. The end of a game that it asks for
  // takes effect once the outermost handler has returned.
  template <class F>
  void handle(F&& f) {
    struct Depth {
      Parts* p;
      explicit Depth(Parts* parts) : p(parts) { ++p->handlerDepth; }
      ~Depth() {
        if (--p->handlerDepth == 0 && p->endRequested) p->postFinish();
      }
    } depth(this);
    f();
  }

  void postFinish() {
    QMetaObject::invokeMethod(
        q, [this] { finishShowing(); }, Qt::QueuedConnection);
  }

  void finishShowing() {
    if (!endRequested) return;
    endRequested = false;
    Tim_Game->stop();
    q->hide();
    if (modalLoop) modalLoop->exit(0);
  }

  // FormActivate: a new game while none is set up, then the board timer.
  void formActivate() {
    if (endRequested || !q->isVisible()) return;
    handle([this] { activateGameWindow(game); });
    if (!endRequested) Tim_Game->start();
  }

  void showLines() {
    Panel2->setLines(QString::fromStdString(game.window.h1), QString::fromStdString(game.window.h2));
  }

  // ---- Outcomes
  void playSound(Sound sound, SoundMode mode) override {
    if (ports.sound) ports.sound->play(sound, mode);
  }
  void showMessage(const std::string& text) override {
    if (ports.messages) ports.messages->message(q, QString::fromStdString(text));
  }
  void statusShown(const std::string&) override { showLines(); }
  void statusTimer(StatusTimer timer, bool running) override {
    QTimer* t = timer == StatusTimer::T1 ? T1 : T2;
    if (running)
      t->start();
    else
      t->stop();
  }
  void statusCleared(StatusTimer) override { showLines(); }
  void endGame() override {
    Tim_Game->stop();
    endRequested = true;
    if (handlerDepth == 0) postFinish();
  }
  void panelChanged() override { panel4->apply(game.window.panel); }
  void controlsChanged() override {
    const WindowState& w = game.window;
    HOD->setText(QString::fromStdString(w.hodCaption));
    HOD->setEnabled(w.hodEnabled);
    panel4->setBMutCaption(QString::fromStdString(w.bmutCaption));
    PHelp->setVisible(w.helpVisible);
  }

  void build();
  void buildBoardSide();
  void buildRightSide();
  void connectCommands();
  void save();
  void load();
};

void FGame::Parts::build() {
  auto* client = new QWidget(q);
  client->setObjectName(QStringLiteral("Client"));
  client->setFixedSize(792, 502);
  q->setCentralWidget(client);

  Panel = panelFrame(client, "Panel", QRect(0, 0, 792, 483), QFrame::Sunken);
  StatusBar1 = new CreditsBar(client);
  StatusBar1->move(0, 483);

  buildBoardSide();
  buildRightSide();

  Tim_Game = new QTimer(q);
  Tim_Game->setObjectName(QStringLiteral("Tim_Game"));
  Tim_Game->setInterval(40);
  T1 = new QTimer(q);
  T1->setObjectName(QStringLiteral("T1"));
  T1->setInterval(4500);
  T1->setSingleShot(true);
  T2 = new QTimer(q);
  T2->setObjectName(QStringLiteral("T2"));
  T2->setInterval(3000);
  T2->setSingleShot(true);
  // The board rests while the window is out of sight; the status lines'
  // timers belong to the game and go on.
  new RestWhileHidden(q, {Tim_Game});

  menu = buildGameMenu(q->menuBar());
  connectCommands();
}

void FGame::Parts::buildBoardSide() {
  const Assets& assets = Assets::get();
  Panel1 = panelFrame(Panel, "Panel1", QRect(4, 4, 448, 448), QFrame::Sunken);
  Panel1->setLineWidth(2);

  GameBox = new ImageBox(QSize(kBoardPixels, kBoardPixels), Panel1);
  GameBox->setObjectName(QStringLiteral("GameBox"));
  GameBox->move(6, 6);
  GameBox->setMouseTracking(true);
  GameBox->setCursor(assets.CURSMIC);

  PHelp = new HelpPanel(Panel1);
  PHelp->move(48, 20);
  PHelp->hide();

  Panel2 = new StatusLines(Panel);
  Panel2->move(4, 452);

  HOD = new QPushButton(QString::fromStdString(game.window.hodCaption), Panel);
  HOD->setObjectName(QStringLiteral("HOD"));
  HOD->setGeometry(456, 456, 109, 19);
  HOD->setFont(gameFont(13, true));
  HOD->setCursor(assets.CURSPOLE);
}

void FGame::Parts::buildRightSide() {
  const Assets& assets = Assets::get();
  Panel3 = panelFrame(Panel, "Panel3", QRect(452, 4, 337, 44), QFrame::Raised);
  auto* title = new QLabel(QStringLiteral("К Л Е Б О Н Ы"), Panel3);
  title->setObjectName(QStringLiteral("Panel3Caption"));
  title->setFont(gameFont(24, true));
  QPalette blue = title->palette();
  blue.setColor(QPalette::WindowText, Qt::blue);
  title->setPalette(blue);
  title->setAlignment(Qt::AlignCenter);
  title->setGeometry(1, 1, 335, 42);
  SerdceBox2 = new ImageBox(QSize(32, 32), Panel3);
  SerdceBox2->setObjectName(QStringLiteral("SerdceBox2"));
  SerdceBox2->move(16, 4);
  SerdceBox = new ImageBox(QSize(32, 32), Panel3);
  SerdceBox->setObjectName(QStringLiteral("SerdceBox"));
  SerdceBox->move(285, 4);

  panel4 = new Panel4(Panel);
  panel4->move(451, 48);
  panel4->bmut()->setCursor(assets.CURSPOLE);
}

void FGame::Parts::connectCommands() {
  QObject::connect(Tim_Game, &QTimer::timeout, q, &FGame::Tim_GameTimer);
  QObject::connect(T1, &QTimer::timeout, q, [this] { handle([this] { T1Timer(game); }); });
  QObject::connect(T2, &QTimer::timeout, q, [this] { handle([this] { T2Timer(game); }); });

  QObject::connect(GameBox, &ImageBox::pointerMoved, q,
                   [this](int x, int y) { handle([&] { GameBoxMouseMove(game, x, y); }); });
  QObject::connect(GameBox, &ImageBox::pointerPressed, q,
                   [this](int x, int y) { handle([&] { GameBoxMouseDown(game, x, y); }); });

  auto hodClick = [this] { handle([this] { endTurn(game); }); };
  auto mutClick = [this] { handle([this] { toggleMutationMode(game); }); };
  auto menuClick = [this] { handle([this] { N2Click(game); }); };
  auto helpClick = [this] { handle([this] { N10Click(game); }); };
  QObject::connect(HOD, &QPushButton::clicked, q, hodClick);
  QObject::connect(panel4, &Panel4::bmutClicked, q, mutClick);
  QObject::connect(PHelp->closeButton(), &QPushButton::clicked, q,
                   [this] { handle([this] { BEndHelpClick(game); }); });
  QObject::connect(panel4, &Panel4::captionHovered, q,
                   [this](int n) { handle([&] { onCaptionHover(game, n); }); });
  QObject::connect(panel4, &Panel4::captionClicked, q,
                   [this](int n) { handle([&] { onCaptionClick(game, n); }); });

  QObject::connect(menu.MOpen, &QAction::triggered, q, [this] { handle([this] { load(); }); });
  QObject::connect(menu.MSave, &QAction::triggered, q, [this] { handle([this] { save(); }); });
  QObject::connect(menu.N2, &QAction::triggered, q, menuClick);
  QObject::connect(menu.N4, &QAction::triggered, q, &FGame::quitRequested);
  QObject::connect(menu.N6, &QAction::triggered, q, mutClick);
  QObject::connect(menu.N8, &QAction::triggered, q, hodClick);
  QObject::connect(menu.N10, &QAction::triggered, q, helpClick);
  QObject::connect(menu.N12, &QAction::triggered, q, &FGame::aboutRequested);
}

void FGame::Parts::save() {
  if (!ports.files) return;
  const std::optional<QString> path = ports.files->savePath(q);
  if (path) MSaveClick(game, QFile::encodeName(*path).toStdString());
}

void FGame::Parts::load() {
  if (!ports.files) return;
  const std::optional<QString> path = ports.files->openPath(q);
  if (path) MOpenClick(game, QFile::encodeName(*path).toStdString());
}

FGame::FGame(Game& game, const Ports& ports, QWidget* parent)
    : QMainWindow(parent), d(new Parts(this, game, ports)) {
  setObjectName(QStringLiteral("FGame"));
  setWindowTitle(QStringLiteral("Игра - КЛЕБОНЫ (версия 1.0)"));
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
  setWindowIcon(Assets::get().appIcon);
  d->build();
  // The client area stays 792 x 502 below the menu bar.
  layout()->setSizeConstraint(QLayout::SetFixedSize);

  // FormCreate: the off-screen pictures, the marker and the heart.
  const Assets& assets = Assets::get();
  d->boardImage = QImage(kBoardPixels, kBoardPixels, QImage::Format_RGB32);
  d->boardImage.fill(Qt::black);
  d->heartImage = QImage(32, 32, QImage::Format_RGB32);
  d->heartImage.fill(kSilver);
  d->hoverMarker.sprites = cutFrames(assets.Im_vyd, kMarkerFrames, kCellPixels, kCellPixels);
  d->heart.sprites = cutFrames(assets.Im_s, kHeartFrames, 32, 32);
  d->GameBox->present(d->boardImage);
  d->SerdceBox->present(d->heartImage);
  d->SerdceBox2->present(d->heartImage);

  // The window shows what the game state says until the rules report changes.
  d->controlsChanged();
  d->panelChanged();
  d->showLines();
  game.outcomes = d.get();
}

FGame::~FGame() {
  // The game outlives its window in tests: leave it with outcomes that go nowhere.
  static Outcomes nowhere;
  if (d->game.outcomes == d.get()) d->game.outcomes = &nowhere;
}

void FGame::showModal() {
  d->endRequested = false;
  setWindowModality(Qt::ApplicationModal);
  adjustSize();
  centreOnScreen(this);  // kept inside the screen's available area, menu bar included
  show();
  raise();
  activateWindow();
  QEventLoop loop;
  d->modalLoop = &loop;
  if (isVisible()) loop.exec(QEventLoop::DialogExec);
  d->modalLoop = nullptr;
  d->Tim_Game->stop();
  hide();
}

void FGame::Tim_GameTimer() {
  const Assets& assets = Assets::get();
  Game& game = d->game;
  // The marker goes over whatever lies there, hidden cells included. Only
  // what changed since the last step is drawn and copied to the screen.
  d->hoverMarker.px = game.window.hoverX * kCellPixels;
  d->hoverMarker.py = game.window.hoverY * kCellPixels;
  const std::vector<QRect> changed =
      d->boardPainter.step(game.world, game.random, assets.Im_m, d->hoverMarker, d->boardImage);
  if (!changed.empty()) d->GameBox->present(d->boardImage, changed);

  if (d->heartPainter.step(d->heart, d->heartImage, kSilver)) {
    d->SerdceBox->present(d->heartImage);
    d->SerdceBox2->present(d->heartImage);
  }
}

void FGame::keyPressEvent(QKeyEvent* event) {
  // HODKeyDown serves the window and its three buttons; the help text keeps its keys.
  QWidget* focus = focusWidget();
  const bool ours = !focus || focus == this || focus == d->HOD || focus == d->panel4->bmut() ||
                    focus == d->PHelp->closeButton();
  if (!ours || event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) {
    QMainWindow::keyPressEvent(event);
    return;
  }
  Game& game = d->game;
  bool handled = false;
  // Each key is tested on its own, in this order.
  if (isKey(event, Qt::Key_H, U'Р')) {
    d->handle([&] { endTurn(game); });
    handled = true;
  }
  if (isKey(event, Qt::Key_M, U'Ь')) {
    d->handle([&] { toggleMutationMode(game); });
    handled = true;
  }
  if (event->key() == Qt::Key_Delete) {
    d->handle([&] { N2Click(game); });
    handled = true;
  }
  if (event->key() == Qt::Key_Escape) {
    emit quitRequested();
    handled = true;
  }
  if (event->key() == Qt::Key_F1) {
    d->handle([&] { N10Click(game); });
    handled = true;
  }
  if (handled)
    event->accept();
  else
    QMainWindow::keyPressEvent(event);
}

void FGame::closeEvent(QCloseEvent* event) {
  // The close box returns to the start screen, like "Меню".
  if (d->handlerDepth > 0) {
    d->endGame();
    event->ignore();
    return;
  }
  d->endRequested = true;
  d->finishShowing();
  event->accept();
}

void FGame::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  // Not every platform activates a window on showing (offscreen does not).
  d->formActivate();
}

void FGame::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) d->formActivate();
}

}  // namespace klebony
