#include "application.h"

#include <QLibraryInfo>
#include <QMessageBox>
#include <QTimer>
#include <QTranslator>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <exception>

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

namespace {

class OkButtonTranslator : public QTranslator {
 public:
  bool isEmpty() const override { return false; }
  QString translate(const char* context, const char* source, const char* disambiguation,
                    int n) const override {
    const QLatin1StringView ctx(context), src(source);
    if (ctx == QLatin1StringView("QPlatformTheme") || ctx == QLatin1StringView("QGnomeTheme") ||
        ctx == QLatin1StringView("QDialogButtonBox")) {
      if (src == QLatin1StringView("OK")) return QStringLiteral("ОК");
      if (src == QLatin1StringView("&OK")) return QStringLiteral("&ОК");
    }
    return QTranslator::translate(context, source, disambiguation, n);
  }
};

}  // namespace

RussianTranslation::RussianTranslation()
    : qtbase_(std::make_unique<QTranslator>()), okButton_(std::make_unique<OkButtonTranslator>()) {
  qtbaseLoaded_ =
      qtbase_->load(QStringLiteral("qtbase_ru"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
      QCoreApplication::installTranslator(qtbase_.get());
  // Installed last, so asked first.
  QCoreApplication::installTranslator(okButton_.get());
}

RussianTranslation::~RussianTranslation() {
  QCoreApplication::removeTranslator(okButton_.get());
  if (qtbaseLoaded_) QCoreApplication::removeTranslator(qtbase_.get());
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

    Game game;
    QtMessagePort messages;
    QtFileDialogPort files;
    QtSoundPort sound(findSoundFolder());
    QtDesktopPort desktop;
    const Ports ports{&messages, &files, &sound, &desktop};

    // The four windows, in their order.
    Tmenu_klebon menu_klebon(game, assets, sound);
    FGame FGame(game, ports);
    TFNastroiki FNastroiki(game);
    TFOProgramme FOProgramme(desktop);

    menu_klebon.setGameWindow([&FGame] { FGame.showModal(); });
    menu_klebon.setSettingsDialog([&FNastroiki] { FNastroiki.exec(); });
    QObject::connect(&FGame, &klebony::FGame::aboutRequested, &FOProgramme,
                     [&FOProgramme] { FOProgramme.exec(); });
    QObject::connect(&FGame, &klebony::FGame::quitRequested, &menu_klebon, [&] {
      menu_klebon.quitFromGame();
      FGame.hide();  // ends its modal showing; the start screen then closes
    });
    QObject::connect(&menu_klebon, &Tmenu_klebon::closed, &app, [] { QCoreApplication::exit(0); });
    QObject::connect(&menu_klebon, &Tmenu_klebon::firstPainted, &sound, [&sound] {
      reportFirstPaint();
      // The sounds load once the start screen is on the screen.
      QTimer::singleShot(0, &sound, &QtSoundPort::preload);
    });

    menu_klebon.show();
    return app.exec();
  } catch (const std::exception& e) {
    showFatalError(QString::fromUtf8(e.what()));
  } catch (...) {
    showFatalError(QString());
  }
  return EXIT_FAILURE;
}

}  // namespace klebony
