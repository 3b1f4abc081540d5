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
#include "ui/game/game_menu.h"
#include "ui/game/help_panel.h"
#include "ui/game/image_box.h"
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

// The keys are matched by the key, so that they work in either case and also
// with the Russian layout, where the same keys give "Р" and "Ь".
bool isKey(const QKeyEvent* e, Qt::Key latin, char32_t cyrillic) {
  return e->key() == latin || e->key() == static_cast<int>(cyrillic);
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
  GameMenu menu;

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
    QMetaObject::invokeMethod(
        q, [this] { finishShowing(); }, Qt::QueuedConnection);
  }

  void finishShowing() {
    if (!endRequested) return;
    endRequested = false;
    boardTimer->stop();
    q->hide();
    if (modalLoop) modalLoop->exit(0);
  }

  // FormActivate: a new game while none is set up, then the board timer.
  void formActivate() {
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
  void buildBoardSide();
  void buildRightSide();
  void connectCommands();
  void save();
  void load();
};

void GameWindow::Parts::build() {
  auto* client = new QWidget(q);
  client->setObjectName(QStringLiteral("Client"));
  client->setFixedSize(792, 502);
  q->setCentralWidget(client);

  clientFrame = panelFrame(client, "Panel", QRect(0, 0, 792, 483), QFrame::Sunken);
  creditsBar = new CreditsBar(client);
  creditsBar->move(0, 483);

  buildBoardSide();
  buildRightSide();

  boardTimer = new QTimer(q);
  boardTimer->setObjectName(QStringLiteral("Tim_Game"));
  boardTimer->setInterval(40);
  upperStatusTimer = new QTimer(q);
  upperStatusTimer->setObjectName(QStringLiteral("T1"));
  upperStatusTimer->setInterval(4500);
  upperStatusTimer->setSingleShot(true);
  lowerStatusTimer = new QTimer(q);
  lowerStatusTimer->setObjectName(QStringLiteral("T2"));
  lowerStatusTimer->setInterval(3000);
  lowerStatusTimer->setSingleShot(true);
  // The board rests while the window is out of sight; the status lines'
  // timers belong to the game and go on.
  new RestWhileHidden(q, {boardTimer});

  menu = buildGameMenu(q->menuBar());
  connectCommands();
}

void GameWindow::Parts::buildBoardSide() {
  const Assets& assets = Assets::get();
  boardFrame = panelFrame(clientFrame, "Panel1", QRect(4, 4, 448, 448), QFrame::Sunken);
  boardFrame->setLineWidth(2);

  boardView = new ImageBox(QSize(kBoardPixels, kBoardPixels), boardFrame);
  boardView->setObjectName(QStringLiteral("GameBox"));
  boardView->move(6, 6);
  boardView->setMouseTracking(true);
  boardView->setCursor(assets.boardCursor);

  helpPanel = new HelpPanel(boardFrame);
  helpPanel->move(48, 20);
  helpPanel->hide();

  statusLines = new StatusLines(clientFrame);
  statusLines->move(4, 452);

  turnButton = new QPushButton(QString::fromStdString(game.window.turnButtonCaption), clientFrame);
  turnButton->setObjectName(QStringLiteral("HOD"));
  turnButton->setGeometry(456, 456, 109, 19);
  turnButton->setFont(gameFont(13, true));
  turnButton->setCursor(assets.buttonCursor);
}

void GameWindow::Parts::buildRightSide() {
  const Assets& assets = Assets::get();
  titlePanel = panelFrame(clientFrame, "Panel3", QRect(452, 4, 337, 44), QFrame::Raised);
  titleLabel(titlePanel, "Panel3Caption", QStringLiteral("К Л Е Б О Н Ы"), 24, palette::kGameTitle,
             QRect(1, 1, 335, 42));
  leftHeart = new ImageBox(QSize(32, 32), titlePanel);
  leftHeart->setObjectName(QStringLiteral("SerdceBox2"));
  leftHeart->move(16, 4);
  rightHeart = new ImageBox(QSize(32, 32), titlePanel);
  rightHeart->setObjectName(QStringLiteral("SerdceBox"));
  rightHeart->move(285, 4);

  panel = new CharacteristicsPanel(clientFrame);
  panel->move(451, 48);
  panel->mutationButton()->setCursor(assets.buttonCursor);
}

void GameWindow::Parts::connectCommands() {
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

  auto hodClick = [this] { handle([this] { endTurn(game); }); };
  auto mutClick = [this] { handle([this] { toggleMutationMode(game); }); };
  auto menuClick = [this] { handle([this] { returnToMenu(game); }); };
  auto helpClick = [this] { handle([this] { toggleHelp(game); }); };
  QObject::connect(turnButton, &QPushButton::clicked, q, hodClick);
  QObject::connect(panel, &CharacteristicsPanel::mutationButtonClicked, q, mutClick);
  QObject::connect(helpPanel->closeButton(), &QPushButton::clicked, q,
                   [this] { handle([this] { closeHelp(game); }); });
  QObject::connect(panel, &CharacteristicsPanel::itemHovered, q,
                   [this](PanelItem item) { handle([&] { hoverPanelItem(game, item); }); });
  QObject::connect(panel, &CharacteristicsPanel::itemClicked, q,
                   [this](PanelItem item) { handle([&] { clickPanelItem(game, item); }); });

  QObject::connect(menu.load, &QAction::triggered, q, [this] { handle([this] { load(); }); });
  QObject::connect(menu.save, &QAction::triggered, q, [this] { handle([this] { save(); }); });
  QObject::connect(menu.backToMenu, &QAction::triggered, q, menuClick);
  QObject::connect(menu.quit, &QAction::triggered, q, &GameWindow::quitRequested);
  QObject::connect(menu.mutation, &QAction::triggered, q, mutClick);
  QObject::connect(menu.endTurn, &QAction::triggered, q, hodClick);
  QObject::connect(menu.help, &QAction::triggered, q, helpClick);
  QObject::connect(menu.about, &QAction::triggered, q, &GameWindow::aboutRequested);
}

void GameWindow::Parts::save() {
  if (!ports.files) return;
  const std::optional<QString> path = ports.files->savePath(q);
  if (path) saveGameAs(game, QFile::encodeName(*path).toStdString());
}

void GameWindow::Parts::load() {
  if (!ports.files) return;
  const std::optional<QString> path = ports.files->openPath(q);
  if (path) openSavedGame(game, QFile::encodeName(*path).toStdString());
}

GameWindow::GameWindow(Game& game, const Ports& ports, QWidget* parent)
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
  // HODKeyDown serves the window and its three buttons; the help text keeps its keys.
  QWidget* focus = focusWidget();
  const bool ours = !focus || focus == this || focus == d->turnButton ||
                    focus == d->panel->mutationButton() || focus == d->helpPanel->closeButton();
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
    d->handle([&] { returnToMenu(game); });
    handled = true;
  }
  if (event->key() == Qt::Key_Escape) {
    emit quitRequested();
    handled = true;
  }
  if (event->key() == Qt::Key_F1) {
    d->handle([&] { toggleHelp(game); });
    handled = true;
  }
  if (handled)
    event->accept();
  else
    QMainWindow::keyPressEvent(event);
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
  d->formActivate();
}

void GameWindow::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) d->formActivate();
}

}  // namespace klebony
