// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/shell/application.h"

#include <QMessageBox>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <memory>

#include "core/game.h"
#include "ui/accessibility.h"
#include "ui/assets.h"
#include "ui/game/game_window.h"
#include "ui/qt_ports.h"
#include "ui/shell/about_box.h"
#include "ui/shell/action_pipe.h"
#include "ui/shell/desktop.h"
#include "ui/shell/destroyed_windows.h"
#include "ui/shell/name_dialog.h"
#include "ui/shell/sound.h"
#include "ui/shell/start_screen.h"

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
        startScreen_(game_, assets, sound_) {
    startScreen_.setGameWindow([this] {
      createWindows();
      gameWindow_->showModal();
    });
    startScreen_.setSettingsDialog([this] {
      createWindows();
      nameDialog_->exec();
    });
    QObject::connect(&startScreen_, &StartScreen::closed, &startScreen_, [] { QCoreApplication::exit(0); });
    QObject::connect(&startScreen_, &StartScreen::firstPainted, &startScreen_, [this] {
      reportFirstPaint();
      QTimer::singleShot(0, &startScreen_, [this] {
        createWindows();
        sound_.preload();
      });
    });
  }

  void start() { startScreen_.show(); }

 private:
  void createWindows() {
    if (gameWindow_) return;
    gameWindow_ = std::make_unique<GameWindow>(game_, ports_);
    nameDialog_ = std::make_unique<NameDialog>(game_);
    aboutBox_ = std::make_unique<AboutBox>(desktop_);
    QObject::connect(gameWindow_.get(), &GameWindow::aboutRequested, aboutBox_.get(),
                     [this] { aboutBox_->exec(); });
    QObject::connect(gameWindow_.get(), &GameWindow::quitRequested, &startScreen_, [this] {
      startScreen_.quitFromGame();
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
  StartScreen startScreen_;  // declared before the other windows, so destroyed after them
  std::unique_ptr<GameWindow> gameWindow_;
  std::unique_ptr<NameDialog> nameDialog_;
  std::unique_ptr<AboutBox> aboutBox_;
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
  if (!QApplication::instance()) return;
  // An error's text may quote a file's contents: shown as it is.
  QMessageBox box(QMessageBox::Critical, QString::fromUtf8(kAppTitle), text, QMessageBox::Ok);
  box.setTextFormat(Qt::PlainText);
  box.exec();
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
    DestroyedWindowWatcher destroyedWindows;
    app.installNativeEventFilter(&destroyedWindows);
    const Assets& assets = Assets::get();
    QApplication::setWindowIcon(assets.icon(Picture::AppIcon));
    installAccessibility();

    Shell shell(assets);
    listenForActionNames(&app);
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
