// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/game/game_window.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

#include "core/mutation.h"
#include "core/rules.h"
#include "persist/commands.h"
#include "ui/assets.h"
#include "ui/fonts.h"
#include "ui/game/board_cells.h"
#include "ui/game/board_draw.h"
#include "ui/game/characteristics_panel.h"
#include "ui/game/game_commands.h"
#include "ui/game/help_panel.h"
#include "ui/game/image_box.h"
#include "ui/game/save_question.h"
#include "ui/game/status_lines.h"
#include "ui/palette.h"
#include "ui/rest_while_hidden.h"
#include "ui/window_placement.h"

namespace klebony {

namespace {

QFrame* panelFrame(QWidget* parent, const char* name, const QRect& geometry, QFrame::Shadow shadow) {
  auto* f = new QFrame(parent);
  f->setObjectName(QLatin1String(name));
  f->setFrameStyle(QFrame::Panel | shadow);
  f->setGeometry(geometry);
  palette::fill(f, palette::kPanelGrey);
  return f;
}

}  // namespace

// Everything the window holds; it also presents the rules' outcomes.
struct GameWindow::Parts : Outcomes {
  Parts(GameWindow* window, Game& g, const Ports& p) : q(window), game(g), ports(p) {}

  GameWindow* q;
  Game& game;
  Ports ports;

  QImage boardImage;
  QImage heartImage;
  AnimatedSprite hoverMarker;
  AnimatedSprite heart;
  BoardPainter boardPainter;
  SpritePainter heartPainter;

  QFrame* clientFrame = nullptr;  // the sunken panel that holds everything
  QFrame* boardFrame = nullptr;
  ImageBox* boardView = nullptr;
  HelpPanel* helpPanel = nullptr;
  QPushButton* turnButton = nullptr;
  StatusLines* statusLines = nullptr;
  QFrame* titlePanel = nullptr;
  ImageBox* rightHeart = nullptr;
  ImageBox* leftHeart = nullptr;
  CharacteristicsPanel* panel = nullptr;
  CreditsBar* creditsBar = nullptr;
  std::vector<GameCommand> commands;
  std::vector<QAction*> actions;  // one per command, in the same order

  QTimer* boardTimer = nullptr;
  QTimer* upperStatusTimer = nullptr;
  QTimer* lowerStatusTimer = nullptr;

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
    const auto finish = [this] { finishShowing(); };
    QMetaObject::invokeMethod(q, finish, Qt::QueuedConnection);
  }

  void finishShowing() {
    if (!endRequested) return;
    endRequested = false;
    boardTimer->stop();
    q->hide();
    if (modalLoop) modalLoop->exit(0);
  }

  // The window comes to the front: a new game while none is set up, then the board timer.
  void activate() {
    if (endRequested || !q->isVisible()) return;
    handle([this] { enterGame(game); });
    if (!endRequested) boardTimer->start();
  }

  void showLines() {
    statusLines->setLines(QString::fromStdString(game.window.upperStatus),
                          QString::fromStdString(game.window.lowerStatus));
  }

  // ---- Outcomes
  void playSound(Sound sound, SoundMode mode) override {
    if (ports.sound) ports.sound->play(sound, mode);
  }
  void showMessage(const std::string& text) override {
    if (ports.messages) ports.messages->message(q, QString::fromStdString(text));
  }
  void statusShown(const std::string&) override { showLines(); }
  void statusTimer(StatusLine timer, bool running) override {
    QTimer* t = timer == StatusLine::Upper ? upperStatusTimer : lowerStatusTimer;
    if (running)
      t->start();
    else
      t->stop();
  }
  void statusCleared(StatusLine) override { showLines(); }
  void endGame() override {
    boardTimer->stop();
    endRequested = true;
    if (handlerDepth == 0) postFinish();
  }
  void panelChanged() override { panel->apply(game.window.panel); }
  void controlsChanged() override {
    const WindowState& w = game.window;
    turnButton->setText(QString::fromStdString(w.turnButtonCaption));
    turnButton->setEnabled(w.turnButtonEnabled);
    panel->setMutationButtonCaption(QString::fromStdString(w.mutationButtonCaption));
    helpPanel->setVisible(w.helpVisible);
  }

  void build();
  std::vector<GameCommand> commandTable();
  void buildBoardSide();
  void buildRightSide();
  void connectControls();
  void save();
  void load();
};

void GameWindow::Parts::build() {
  auto* client = new QWidget(q);
  client->setObjectName(QStringLiteral("clientArea"));
  client->setFixedSize(792, 502);
  q->setCentralWidget(client);

  clientFrame = panelFrame(client, "clientFrame", QRect(0, 0, 792, 483), QFrame::Sunken);
  creditsBar = new CreditsBar(client);
  creditsBar->move(0, 483);

  commands = commandTable();
  buildBoardSide();
  buildRightSide();

  boardTimer = new QTimer(q);
  boardTimer->setObjectName(QStringLiteral("boardTimer"));
  boardTimer->setInterval(40);
  upperStatusTimer = new QTimer(q);
  upperStatusTimer->setObjectName(QStringLiteral("upperStatusTimer"));
  upperStatusTimer->setInterval(4500);
  upperStatusTimer->setSingleShot(true);
  lowerStatusTimer = new QTimer(q);
  lowerStatusTimer->setObjectName(QStringLiteral("lowerStatusTimer"));
  lowerStatusTimer->setInterval(3000);
  lowerStatusTimer->setSingleShot(true);
  // The board rests while the window is out of sight; the status lines'
  // timers belong to the game and go on.
  new RestWhileHidden(q, {boardTimer});

  actions = addCommandMenus(q->menuBar(), commands);
  connectControls();
}

// Every command of the window, in the menus' order.
std::vector<GameCommand> GameWindow::Parts::commandTable() {
  auto rule = [this](void (*f)(Game&)) { return [this, f] { handle([this, f] { f(game); }); }; };
  // clang-format off
  return {
      {.name = "load", .menu = MenuId::Game, .text = "Загрузить", .icon = &Assets::iconOpen,
       .run = [this] { handle([this] { load(); }); }},
      {.name = "save", .menu = MenuId::Game, .text = "Сохранить", .icon = &Assets::iconSave,
       .run = [this] { handle([this] { save(); }); }},
      {.name = "backToMenu", .menu = MenuId::Game, .text = "Меню", .separatorAbove = true,
       .key = Qt::Key_Delete, .legend = "Delete  -  меню", .legendLine = 2,
       .run = rule(returnToMenu)},
      {.name = "quit", .menu = MenuId::Game, .text = "Выход", .icon = &Assets::iconExit,
       .separatorAbove = true, .key = Qt::Key_Escape, .legend = "Esc  -  выход", .legendLine = 1,
       .run = [this] { emit q->quitRequested(); }},
      {.name = "mutation", .menu = MenuId::Commands, .text = "Мутировать +",
       .key = Qt::Key_M, .russianKey = U'Ь', .legend = "M  -  мутация", .legendLine = 4,
       .run = rule(toggleMutationMode)},
      {.name = "endTurn", .menu = MenuId::Commands, .text = "Ход", .separatorAbove = true,
       .key = Qt::Key_H, .russianKey = U'Р', .legend = "H  -  ход", .legendLine = 5,
       .run = rule(endTurn)},
      {.name = "help", .menu = MenuId::Help, .text = "Справка", .icon = &Assets::iconHelp,
       .key = Qt::Key_F1, .legend = "F1  -  справка", .legendLine = 3,
       .run = rule(toggleHelp)},
      {.name = "about", .menu = MenuId::Help, .text = "О программе", .icon = &Assets::iconAbout,
       .separatorAbove = true, .run = [this] { emit q->aboutRequested(); }},
  };
  // clang-format on
}

void GameWindow::Parts::buildBoardSide() {
  const Assets& assets = Assets::get();
  boardFrame = panelFrame(clientFrame, "boardFrame", QRect(4, 4, 448, 448), QFrame::Sunken);
  boardFrame->setLineWidth(2);

  boardView = new ImageBox(QSize(kBoardPixels, kBoardPixels), boardFrame);
  boardView->setObjectName(QStringLiteral("boardView"));
  boardView->move(6, 6);
  boardView->setMouseTracking(true);
  boardView->setCursor(assets.boardCursor);

  helpPanel = new HelpPanel(boardFrame);
  helpPanel->move(48, 20);
  helpPanel->hide();

  statusLines = new StatusLines(clientFrame);
  statusLines->move(4, 452);

  turnButton = new QPushButton(QString::fromStdString(game.window.turnButtonCaption), clientFrame);
  turnButton->setObjectName(QStringLiteral("turnButton"));
  turnButton->setGeometry(456, 456, 109, 19);
  turnButton->setFont(gameFont(13, true));
  turnButton->setCursor(assets.buttonCursor);
}

void GameWindow::Parts::buildRightSide() {
  const Assets& assets = Assets::get();
  titlePanel = panelFrame(clientFrame, "titlePanel", QRect(452, 4, 337, 44), QFrame::Raised);
  titleLabel(titlePanel, "titleCaption", QStringLiteral("К Л Е Б О Н Ы"), 24, palette::kGameTitle,
             QRect(1, 1, 335, 42));
  leftHeart = new ImageBox(QSize(32, 32), titlePanel);
  leftHeart->setObjectName(QStringLiteral("leftHeart"));
  leftHeart->move(16, 4);
  rightHeart = new ImageBox(QSize(32, 32), titlePanel);
  rightHeart->setObjectName(QStringLiteral("rightHeart"));
  rightHeart->move(285, 4);

  panel = new CharacteristicsPanel(legendLines(commands), clientFrame);
  panel->move(451, 48);
  panel->mutationButton()->setCursor(assets.buttonCursor);
}

void GameWindow::Parts::connectControls() {
  QObject::connect(boardTimer, &QTimer::timeout, q, &GameWindow::drawingStep);
  QObject::connect(upperStatusTimer, &QTimer::timeout, q,
                   [this] { handle([this] { upperStatusExpired(game); }); });
  QObject::connect(lowerStatusTimer, &QTimer::timeout, q,
                   [this] { handle([this] { lowerStatusExpired(game); }); });

  QObject::connect(boardView, &ImageBox::pointerMoved, q, [this](int px, int py) {
    if (const auto cell = cellAtPixel(px, py)) handle([&] { inspectCell(game, cell->x, cell->y); });
  });
  QObject::connect(boardView, &ImageBox::pointerPressed, q, [this](int px, int py) {
    if (const auto cell = cellAtPixel(px, py)) handle([&] { reachForCell(game, cell->x, cell->y); });
  });

  QObject::connect(turnButton, &QPushButton::clicked, q, [this] { handle([this] { endTurn(game); }); });
  QObject::connect(panel, &CharacteristicsPanel::mutationButtonClicked, q,
                   [this] { handle([this] { toggleMutationMode(game); }); });
  QObject::connect(helpPanel->closeButton(), &QPushButton::clicked, q,
                   [this] { handle([this] { closeHelp(game); }); });
  QObject::connect(panel, &CharacteristicsPanel::itemHovered, q,
                   [this](PanelItem item) { handle([&] { hoverPanelItem(game, item); }); });
  QObject::connect(panel, &CharacteristicsPanel::itemClicked, q,
                   [this](PanelItem item) { handle([&] { clickPanelItem(game, item); }); });
}

void GameWindow::Parts::save() {
  if (!ports.files) return;
  const std::optional<QString> path = ports.files->savePath(q);
  if (path && mayReplaceWithSave(ports.messages, q, *path))
    saveGameAs(game, QFile::encodeName(*path).toStdString());
}

void GameWindow::Parts::load() {
  if (!ports.files) return;
  const std::optional<QString> path = ports.files->openPath(q);
  if (path) openSavedGame(game, QFile::encodeName(*path).toStdString());
}

GameWindow::GameWindow(Game& game, const Ports& ports, QWidget* parent)
    : QMainWindow(parent), d(new Parts(this, game, ports)) {
  setObjectName(QStringLiteral("gameWindow"));
  setWindowTitle(QStringLiteral("Игра - КЛЕБОНЫ (версия 1.0)"));
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
  setWindowIcon(Assets::get().appIcon);
  d->build();
  // The client area stays 792 x 502 below the menu bar.
  layout()->setSizeConstraint(QLayout::SetFixedSize);

  // The off-screen pictures, the marker and the heart.
  const Assets& assets = Assets::get();
  d->boardImage = QImage(kBoardPixels, kBoardPixels, QImage::Format_RGB32);
  d->boardImage.fill(Qt::black);
  d->heartImage = QImage(32, 32, QImage::Format_RGB32);
  d->heartImage.fill(palette::kPanelGrey);
  d->hoverMarker.sprites = cutFrames(assets.markerSheet, kMarkerFrames, kCellPixels, kCellPixels);
  d->heart.sprites = cutFrames(assets.heartSheet, kHeartFrames, 32, 32);
  d->boardView->present(d->boardImage);
  d->rightHeart->present(d->heartImage);
  d->leftHeart->present(d->heartImage);

  // The window shows what the game state says until the rules report changes.
  d->controlsChanged();
  d->panelChanged();
  d->showLines();
  game.outcomes = d.get();
}

GameWindow::~GameWindow() {
  // The game outlives its window in tests: leave it with outcomes that go nowhere.
  static Outcomes nowhere;
  if (d->game.outcomes == d.get()) d->game.outcomes = &nowhere;
}

void GameWindow::showModal() {
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
  d->boardTimer->stop();
  hide();
}

void GameWindow::drawingStep() {
  const Assets& assets = Assets::get();
  Game& game = d->game;
  // The marker goes over whatever lies there, hidden cells included. Only
  // what changed since the last step is drawn and copied to the screen.
  d->hoverMarker.px = game.window.hoverX * kCellPixels;
  d->hoverMarker.py = game.window.hoverY * kCellPixels;
  const std::vector<QRect> changed =
      d->boardPainter.step(game.world, game.random, assets.organismSheet, d->hoverMarker, d->boardImage);
  if (!changed.empty()) d->boardView->present(d->boardImage, changed);

  if (d->heartPainter.step(d->heart, d->heartImage, palette::kPanelGrey)) {
    d->rightHeart->present(d->heartImage);
    d->leftHeart->present(d->heartImage);
  }
}

void GameWindow::keyPressEvent(QKeyEvent* event) {
  // The commands' keys serve the window and its three buttons; the help text
  // keeps its keys, and combinations with Ctrl or Alt pass. A key is matched
  // by the key, so it works in either case and in the Russian layout too.
  QWidget* focus = focusWidget();
  const bool ours = !focus || focus == this || focus == d->turnButton ||
                    focus == d->panel->mutationButton() || focus == d->helpPanel->closeButton();
  const bool plain = !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
  const GameCommand* command = ours && plain ? commandOfKey(d->commands, event->key()) : nullptr;
  if (!command) {
    QMainWindow::keyPressEvent(event);
    return;
  }
  d->actions[command - d->commands.data()]->trigger();
  event->accept();
}

void GameWindow::closeEvent(QCloseEvent* event) {
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

void GameWindow::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  // Not every platform activates a window on showing (offscreen does not).
  d->activate();
}

void GameWindow::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) d->activate();
}

}  // namespace klebony
