#include "application.h"

#include <QMessageBox>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <memory>

#include "assets.h"
#include "desktop.h"
#include "fnastroiki.h"
#include "foprogramme.h"
#include "game.h"
#include "game/fgame.h"
#include "menu_klebon.h"
#include "qt_ports.h"
#include "sound.h"

namespace klebony {

namespace {

// KLEBONY_REPORT_FIRST_PAINT=1 prints the wall-clock time of the start
// screen's first paint, for measuring the start-up.
void reportFirstPaint() {
  if (qEnvironmentVariableIsEmpty("KLEBONY_REPORT_FIRST_PAINT")) return;
  const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                      std::chrono::system_clock::now().time_since_epoch())
                      .count();
  std::fprintf(stderr, "first-paint %lld\n", static_cast<long long>(ms));
  std::fflush(stderr);
}

// The game, the ports and the four windows. The start screen is made and
// painted first; the game window, the name dialog and the about box follow
// in that order right after its first paint, or at once when the player is
// quicker than that.
class Shell {
 public:
  explicit Shell(const Assets& assets)
      : sound_(findSoundFolder()),
        ports_{&messages_, &files_, &sound_, &desktop_},
        menu_klebon_(game_, assets, sound_) {
    menu_klebon_.setGameWindow([this] {
      createWindows();
      FGame_->showModal();
    });
    menu_klebon_.setSettingsDialog([this] {
      createWindows();
      FNastroiki_->exec();
    });
    QObject::connect(&menu_klebon_, &Tmenu_klebon::closed, &menu_klebon_, [] { QCoreApplication::exit(0); });
    QObject::connect(&menu_klebon_, &Tmenu_klebon::firstPainted, &menu_klebon_, [this] {
      reportFirstPaint();
      QTimer::singleShot(0, &menu_klebon_, [this] {
        createWindows();
        sound_.preload();
      });
    });
  }

  void start() { menu_klebon_.show(); }

 private:
  void createWindows() {
    if (FGame_) return;
    FGame_ = std::make_unique<FGame>(game_, ports_);
    FNastroiki_ = std::make_unique<TFNastroiki>(game_);
    FOProgramme_ = std::make_unique<TFOProgramme>(desktop_);
    QObject::connect(FGame_.get(), &FGame::aboutRequested, FOProgramme_.get(),
                     [this] { FOProgramme_->exec(); });
    QObject::connect(FGame_.get(), &FGame::quitRequested, &menu_klebon_, [this] {
      menu_klebon_.quitFromGame();
      // Ends every running event loop, the game window's modal one included,
      // and then the application's own.
      QCoreApplication::exit(0);
    });
  }

  Game game_;
  QtMessagePort messages_;
  QtFileDialogPort files_;
  QtSoundPort sound_;
  QtDesktopPort desktop_;
  const Ports ports_;
  Tmenu_klebon menu_klebon_;  // declared before the other windows, so destroyed after them
  std::unique_ptr<FGame> FGame_;
  std::unique_ptr<TFNastroiki> FNastroiki_;
  std::unique_ptr<TFOProgramme> FOProgramme_;
};

}  // namespace

KlebonyApplication::KlebonyApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool KlebonyApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& e) {
    showFatalError(QString::fromUtf8(e.what()));
  } catch (...) {
    showFatalError(QString());
  }
  // Unwinding through Qt's event loops is not safe; the game holds nothing
  // unsaved that a normal shut-down would keep.
  std::exit(EXIT_FAILURE);
}

void showFatalError(const QString& text) {
  std::fprintf(stderr, "klebony: %s\n", text.toLocal8Bit().constData());
  if (QApplication::instance()) QMessageBox::critical(nullptr, QString::fromUtf8(kAppTitle), text);
}

int runKlebony(int argc, char** argv) {
  KlebonyApplication app(argc, argv);
  try {
    QApplication::setApplicationName(QStringLiteral("klebony"));
    QGuiApplication::setDesktopFileName(QStringLiteral("klebony"));
    // The start screen alone decides when the application ends: it is hidden,
    // not closed, while a game is played.
    QApplication::setQuitOnLastWindowClosed(false);
    const RussianTranslation russian;
    const Assets& assets = Assets::get();
    QApplication::setWindowIcon(assets.appIcon);

    Shell shell(assets);
    shell.start();
    return app.exec();
  } catch (const std::exception& e) {
    showFatalError(QString::fromUtf8(e.what()));
  } catch (...) {
    showFatalError(QString());
  }
  return EXIT_FAILURE;
}

}  // namespace klebony
