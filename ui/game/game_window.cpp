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
#include "ui/accessibility.h"
#include "ui/assets.h"
#include "ui/fonts.h"
#include "ui/game/board_cells.h"
#include "ui/game/board_draw.h"
#include "ui/game/board_view.h"
#include "ui/game/characteristics_panel.h"
#include "ui/game/game_commands.h"
#include "ui/game/game_keys.h"
#include "ui/game/help_panel.h"
#include "ui/game/image_box.h"
#include "ui/game/save_question.h"
#include "ui/game/status_lines.h"
#include "ui/palette.h"
#include "ui/rest_while_hidden.h"
#include "ui/window_placement.h"

namespace klebony {

namespace {

// ---- The window's layout, in client pixels
constexpr QSize kClientSize(792, 502);  // below the menu bar
constexpr int kCreditsTop = 483;        // the credits bar below the sunken client frame
constexpr QRect kClientFrame(0, 0, kClientSize.width(), kCreditsTop);
// In the client frame: the board's sunken frame on the left, the status lines
// and the turn button below it, the title and the panel on the right.
constexpr QRect kBoardFrame(4, 4, 448, 448);
constexpr int kBoardFrameLine = 2;
constexpr QPoint kBoardInFrame(6, 6);
constexpr QPoint kHelpInBoardFrame(48, 20);
constexpr QPoint kStatusLines(4, 452);
constexpr QRect kTurnButton(456, 456, 109, 19);
constexpr int kTurnButtonFont = 13;
constexpr QRect kTitlePanel(452, 4, 337, 44);
constexpr QPoint kPanel(451, 48);
// In the title panel: "К Л Е Б О Н Ы" between two hearts.
constexpr QRect kTitleCaption(1, 1, 335, 42);
constexpr int kTitleFont = 24;
constexpr int kHeartPixels = 32;
constexpr QPoint kLeftHeart(16, 4);
constexpr QPoint kRightHeart(285, 4);

// ---- Its timers
constexpr int kBoardStepMs = 40;
constexpr int kUpperStatusMs = 4500;
constexpr int kLowerStatusMs = 3000;

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
  BoardView* boardView = nullptr;
  HelpPanel* helpPanel = nullptr;
  QPushButton* turnButton = nullptr;
  StatusLines* statusLines = nullptr;
  QFrame* titlePanel = nullptr;
  ImageBox* rightHeart = nullptr;
  ImageBox* leftHeart = nullptr;
  CharacteristicsPanel* panel = nullptr;
  CreditsBar* creditsBar = nullptr;
  std::unique_ptr<CommandActions> commands;

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
  void panelChanged() override {
    panel->apply(game.window.panel);
    showMutationChoice(panel, game);
  }
  void controlsChanged() override {
    const WindowState& w = game.window;
    turnButton->setText(QString::fromStdString(w.turnButtonCaption));
    commands->updateStates();
    panel->setMutationButtonCaption(QString::fromStdString(w.mutationButtonCaption));
    helpPanel->setVisible(w.helpVisible);
    showMutationChoice(panel, game);
  }

  void build();
  std::vector<GameCommand> commandTable();
  void buildBoardSide();
  void buildRightSide();
  void connectControls();
  void addPlayWithoutMouse();
  void save();
  void load();
};

void GameWindow::Parts::build() {
  auto* client = new QWidget(q);
  client->setObjectName(QStringLiteral("clientArea"));
  client->setFixedSize(kClientSize);
  q->setCentralWidget(client);

  clientFrame = panelFrame(client, "clientFrame", kClientFrame, QFrame::Sunken);
  creditsBar = new CreditsBar(client);
  creditsBar->move(0, kCreditsTop);

  commands = std::make_unique<CommandActions>(commandTable());
  buildBoardSide();
  buildRightSide();

  boardTimer = new QTimer(q);
  boardTimer->setObjectName(QStringLiteral("boardTimer"));
  boardTimer->setInterval(kBoardStepMs);
  upperStatusTimer = new QTimer(q);
  upperStatusTimer->setObjectName(QStringLiteral("upperStatusTimer"));
  upperStatusTimer->setInterval(kUpperStatusMs);
  upperStatusTimer->setSingleShot(true);
  lowerStatusTimer = new QTimer(q);
  lowerStatusTimer->setObjectName(QStringLiteral("lowerStatusTimer"));
  lowerStatusTimer->setInterval(kLowerStatusMs);
  lowerStatusTimer->setSingleShot(true);
  // The board rests while the window is out of sight; the status lines'
  // timers belong to the game and go on.
  new RestWhileHidden(q, {boardTimer});

  commands->addMenus(q->menuBar());
  connectControls();
  addPlayWithoutMouse();
}

// Every command of the window, in the menus' order. The turn button, the
// mutation button and the help's close button trigger their rows too.
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
       .run = rule(endTurn), .enabled = [this] { return game.window.turnButtonEnabled; }},
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
  boardFrame = panelFrame(clientFrame, "boardFrame", kBoardFrame, QFrame::Sunken);
  boardFrame->setLineWidth(kBoardFrameLine);

  boardView = new BoardView(game, boardFrame);
  boardView->setObjectName(QStringLiteral("boardView"));
  boardView->move(kBoardInFrame);
  boardView->setMouseTracking(true);
  boardView->setCursor(assets.boardCursor);

  helpPanel = new HelpPanel(boardFrame);
  helpPanel->move(kHelpInBoardFrame);
  helpPanel->hide();

  statusLines = new StatusLines(clientFrame);
  statusLines->move(kStatusLines);

  turnButton = new QPushButton(QString::fromStdString(game.window.turnButtonCaption), clientFrame);
  turnButton->setObjectName(QStringLiteral("turnButton"));
  turnButton->setGeometry(kTurnButton);
  turnButton->setFont(gameFont(kTurnButtonFont, true));
  turnButton->setCursor(assets.buttonCursor);
}

void GameWindow::Parts::buildRightSide() {
  const Assets& assets = Assets::get();
  titlePanel = panelFrame(clientFrame, "titlePanel", kTitlePanel, QFrame::Raised);
  titleLabel(titlePanel, "titleCaption", QStringLiteral("К Л Е Б О Н Ы"), kTitleFont, palette::kGameTitle,
             kTitleCaption);
  leftHeart = new ImageBox(QSize(kHeartPixels, kHeartPixels), titlePanel);
  leftHeart->setObjectName(QStringLiteral("leftHeart"));
  leftHeart->move(kLeftHeart);
  rightHeart = new ImageBox(QSize(kHeartPixels, kHeartPixels), titlePanel);
  rightHeart->setObjectName(QStringLiteral("rightHeart"));
  rightHeart->move(kRightHeart);

  panel = new CharacteristicsPanel(legendLines(commands->commands()), clientFrame);
  panel->move(kPanel);
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

  // The close button is seen only while the help is: there it closes it.
  commands->bindButton(turnButton, "endTurn");
  commands->bindButton(panel->mutationButton(), "mutation");
  commands->bindButton(helpPanel->closeButton(), "help");
  QObject::connect(panel, &CharacteristicsPanel::itemHovered, q,
                   [this](PanelItem item) { handle([&] { hoverPanelItem(game, item); }); });
  QObject::connect(panel, &CharacteristicsPanel::itemClicked, q,
                   [this](PanelItem item) { handle([&] { clickPanelItem(game, item); }); });
}

// The keys that reach the board and the panel, and what a screen reader
// should pass by. The board comes last in the Tab order, so that the window
// opens with the focus where it always did.
void GameWindow::Parts::addPlayWithoutMouse() {
  const auto run = [this](const std::function<void()>& f) { handle(f); };
  auto* keys = new GameKeys(game, boardView, q->menuBar(), run, q);
  for (QWidget* w :
       {static_cast<QWidget*>(q), static_cast<QWidget*>(turnButton),
        static_cast<QWidget*>(panel->mutationButton()), static_cast<QWidget*>(helpPanel->closeButton())})
    keys->watch(w);
  QWidget::setTabOrder(panel->mutationButton(), boardView);
  markDecoration(leftHeart);
  markDecoration(rightHeart);
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
  // The client area keeps its size below the menu bar.
  layout()->setSizeConstraint(QLayout::SetFixedSize);

  // The off-screen pictures, the marker and the heart.
  const Assets& assets = Assets::get();
  d->boardImage = QImage(kBoardPixels, kBoardPixels, QImage::Format_RGB32);
  d->boardImage.fill(palette::kFog);
  d->heartImage = QImage(kHeartPixels, kHeartPixels, QImage::Format_RGB32);
  d->heartImage.fill(palette::kPanelGrey);
  d->hoverMarker.sprites = cutFrames(assets.markerSheet, kMarkerFrames, kCellPixels, kCellPixels);
  d->heart.sprites = cutFrames(assets.heartSheet, kHeartFrames, kHeartPixels, kHeartPixels);
  d->boardView->present(d->boardImage);
  d->rightHeart->present(d->heartImage);
  d->leftHeart->present(d->heartImage);

  // The window shows what the game state says until the rules report changes.
  d->controlsChanged();
  d->panelChanged();
  d->showLines();
  game.outcomes = d.get();
}

const std::vector<GameCommand>& GameWindow::commands() const { return d->commands->commands(); }

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
  const bool ours = !focus || focus == this || focus == d->boardView || d->commands->isBound(focus);
  const bool plain = !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
  QAction* action = ours && plain ? d->commands->actionOfKey(event->key()) : nullptr;
  if (!action) {
    QMainWindow::keyPressEvent(event);
    return;
  }
  action->trigger();
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
