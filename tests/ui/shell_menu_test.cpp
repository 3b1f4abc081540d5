// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The start screen: its layout, and a game played from it and back.
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "core/game.h"
#include "tests/ui/registry.h"
#include "tests/ui/shell_fakes.h"
#include "ui/assets.h"
#include "ui/shell/sound.h"
#include "ui/shell/start_screen.h"

namespace klebony {

namespace {

struct Snapshot {
  int px, py, frame, tick;
  bool operator==(const Snapshot&) const = default;
};

std::vector<Snapshot> snapshot(MenuBackground& bg) {
  std::vector<Snapshot> all;
  for (const auto* group : {&bg.menuOrganisms(), &bg.twinkles()})
    for (const AnimatedSprite& s : *group) all.push_back({s.px, s.py, s.frame, s.tick});
  return all;
}

}  // namespace

class ShellMenuTest : public QObject {
  Q_OBJECT

 private slots:
  void startScreenHasItsSizeCaptionButtonsAndTabOrder() {
    Game game;
    uitest::RecordingSoundPort sound;
    StartScreen menu(game, Assets::get(), sound);
    QCOMPARE(menu.windowTitle(), QStringLiteral("Клебоны v1.0"));
    QCOMPARE(menu.size(), QSize(192, 203));
    QCOMPARE(menu.minimumSize(), menu.maximumSize());
    QVERIFY(!(menu.windowFlags() & Qt::WindowMaximizeButtonHint));
    QCOMPARE(menu.playButton->text(), QStringLiteral("Игра"));
    QCOMPARE(menu.playButton->geometry(), QRect(52, 32, 89, 25));
    QCOMPARE(menu.nameButton->text(), QStringLiteral("Настройки"));
    QCOMPARE(menu.nameButton->geometry(), QRect(52, 86, 89, 25));
    QCOMPARE(menu.quitButton->text(), QStringLiteral("Выход"));
    QCOMPARE(menu.quitButton->geometry(), QRect(52, 140, 89, 25));
    for (QPushButton* b : {menu.playButton, menu.nameButton, menu.quitButton}) {
      QVERIFY(b->font().bold());
      QCOMPARE(b->font().pixelSize(), 12);
    }
    const auto same = [](const QCursor& a, const QCursor& b) {
      return a.shape() == b.shape() && a.pixmap().toImage() == b.pixmap().toImage();
    };
    QVERIFY(same(menu.cursor(), Assets::get().cursor(Picture::WindowCursor)));
    QVERIFY(same(menu.quitButton->cursor(), Assets::get().buttonCursor));
    QVERIFY(!same(Assets::get().cursor(Picture::WindowCursor), Assets::get().buttonCursor));
    QCOMPARE(menu.playButton->nextInFocusChain(), menu.nameButton);
    QCOMPARE(menu.nameButton->nextInFocusChain(), menu.quitButton);
    QVERIFY(menu.animationTimer.isActive());
    QCOMPARE(menu.animationTimer.interval(), 30);
  }

  void timerStepsTheBackgroundAndRepaintsTheWindow() {
    Game game;
    uitest::RecordingSoundPort sound;
    StartScreen menu(game, Assets::get(), sound);
    QSignalSpy painted(&menu, &StartScreen::firstPainted);
    menu.show();
    QVERIFY(QTest::qWaitForWindowExposed(&menu));
    QTRY_COMPARE(painted.count(), 1);
    const auto before = snapshot(menu.background());
    QTRY_VERIFY(snapshot(menu.background()) != before);  // the 30 ms timer keeps it alive
    const QImage shown = menu.grab().toImage();
    QCOMPARE(shown.size(), QSize(192, 203));
    QCOMPARE(painted.count(), 1);  // announced once, not per frame
  }

  void gameRunsAfterTheSoundAndBackgroundContinuesWhereItStopped() {
    Game game;
    uitest::RecordingSoundPort sound;
    StartScreen menu(game, Assets::get(), sound);
    menu.show();
    QVERIFY(QTest::qWaitForWindowExposed(&menu));
    menu.animationStep();
    const auto before = snapshot(menu.background());
    int games = 0;
    menu.setGameWindow([&] {
      ++games;
      QCOMPARE(sound.played.size(), std::size_t(games));  // the sound came first
      QCOMPARE(sound.played.back().first, Sound::NewGame);
      QCOMPARE(sound.played.back().second, SoundMode::Sync);
      QVERIFY(!menu.isVisible());
      QVERIFY(!menu.animationTimer.isActive());
      // A second "Игра" queued meanwhile must not start a game inside the game.
      menu.playGame();
      game.world.gameReady = true;  // what the game window's activation does
      QTest::qWait(100);            // time passes in the game; the background must not move
    });
    menu.playGame();
    QCOMPARE(games, 1);
    QVERIFY(menu.isVisible());
    QVERIFY(menu.animationTimer.isActive());
    QVERIFY(!game.world.gameReady);  // the next "Игра" sets up a new game
    QVERIFY(snapshot(menu.background()) == before);
    QCOMPARE(menu.background().menuOrganisms().size(), std::size_t(100));

    menu.playGame();  // and again: every "Игра" plays a game
    QCOMPARE(games, 2);
    QCOMPARE(sound.played.size(), std::size_t(2));
  }

  void withoutTheSoundFolderGameStillStartsAfterABeep() {
    struct BeepCounter : QtSoundPort {
      using QtSoundPort::QtSoundPort;
      int beeps = 0;
      void alert() override { ++beeps; }
    };
    QTemporaryDir empty;
    BeepCounter sound(empty.filePath(QStringLiteral("Sound")));
    Game game;
    StartScreen menu(game, Assets::get(), sound);
    int games = 0;
    menu.setGameWindow([&] { ++games; });
    QTest::mouseClick(menu.playButton, Qt::LeftButton);
    QCOMPARE(sound.beeps, 1);
    QCOMPARE(games, 1);
  }

  void settingsButtonShowsTheNameDialog() {
    Game game;
    uitest::RecordingSoundPort sound;
    StartScreen menu(game, Assets::get(), sound);
    int shown = 0;
    menu.setSettingsDialog([&] { ++shown; });
    QTest::mouseClick(menu.nameButton, Qt::LeftButton);
    QCOMPARE(shown, 1);
    QVERIFY(sound.played.empty());
  }

  void exitAndTheCloseBoxEndTheApplication() {
    Game game;
    uitest::RecordingSoundPort sound;
    {
      StartScreen menu(game, Assets::get(), sound);
      QSignalSpy closed(&menu, &StartScreen::closed);
      menu.show();
      QTest::mouseClick(menu.quitButton, Qt::LeftButton);
      QCOMPARE(closed.count(), 1);
      QVERIFY(!menu.isVisible());
      QVERIFY(!menu.animationTimer.isActive());
    }
    StartScreen menu(game, Assets::get(), sound);
    QSignalSpy closed(&menu, &StartScreen::closed);
    menu.show();
    QVERIFY(menu.close());
    QCOMPARE(closed.count(), 1);
  }

  void escInTheGameClosesTheStartScreenInsteadOfShowingItAgain() {
    Game game;
    uitest::RecordingSoundPort sound;
    StartScreen menu(game, Assets::get(), sound);
    QSignalSpy closed(&menu, &StartScreen::closed);
    menu.show();
    menu.setGameWindow([&] {
      menu.quitFromGame();
      QCOMPARE(closed.count(), 0);  // not while the game window is still up
    });
    menu.playGame();
    QCOMPARE(closed.count(), 1);
    QVERIFY(!menu.isVisible());
    QVERIFY(!menu.animationTimer.isActive());
  }
};

KLEBONY_UI_TEST(ShellMenuTest)

}  // namespace klebony

#include "shell_menu_test.moc"
