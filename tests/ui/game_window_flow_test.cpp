// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Whole flows through the game window: what the player does with mouse, keys
// and menu, and what the window then shows.
#include <QAction>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "tests/ui/game_rig.h"
#include "tests/ui/registry.h"
#include "ui/game/image_box.h"

namespace klebony {

using gametest::cellCentre;
using gametest::moveOver;
using gametest::placeBoard;
using gametest::Rig;

class GameWindowFlowTest : public QObject {
  Q_OBJECT

  static QString text(const Rig& rig, const char* label) { return rig.part<QLabel>(label)->text(); }

 private slots:
  void showingTheWindowSetsUpANewGameAndStartsTheBoardTimer() {
    Rig rig;
    rig.window->show();
    QApplication::processEvents();
    QVERIFY(rig.game.world.gameReady);
    QVERIFY(rig.part<QTimer>("boardTimer")->isActive());
    QCOMPARE(rig.part<QTimer>("boardTimer")->interval(), 40);
    QCOMPARE(rig.part<QPushButton>("turnButton")->text(), QStringLiteral("Ход 1"));
    QCOMPARE(rig.part<QPushButton>("mutationButton")->text(), QStringLiteral("Мутация +"));
    QCOMPARE(text(rig, "organismName"), QStringLiteral("Тарвилис"));
    QCOMPARE(text(rig, "vitalityValue"), QStringLiteral("10/10 ед."));
    QCOMPARE(text(rig, "aminoAcidValue"), QStringLiteral("0 ед."));
    QCOMPARE(text(rig, "aggressionValue"), QStringLiteral("1"));
    QVERIFY(!rig.part<QWidget>("helpPanel")->isVisible());
    for (const CharacteristicInfo& c : kCharacteristicTable)
      QVERIFY2(!rig.part<QLabel>(qPrintable(QString::fromUtf8(c.name) + "Caption"))->font().bold(), c.name);

    // A second activation in the middle of a game changes nothing.
    rig.game.world.turn = 7;
    rig.window->hide();
    rig.window->show();
    QApplication::processEvents();
    QCOMPARE(rig.game.world.turn, 7);
  }

  void hoverOverAnEnemyShowsItWithHiddenValuesAndACaptionBringsThePlayerBack() {
    Rig rig;
    rig.open();
    placeBoard(rig.game, {"....", ".40.", "...."});
    rig.game.world.organisms[kPlayer].aminoAcids = 30;
    refreshAffordability(rig.game);
    auto* board = rig.part<ImageBox>("boardView");

    moveOver(board, cellCentre(2, 1));
    QCOMPARE(text(rig, "organismName"), QStringLiteral("Зеномиус"));
    for (const CharacteristicInfo& c : kCharacteristicTable)
      QVERIFY2((text(rig, qPrintable(QString::fromUtf8(c.name) + "Value")) == QStringLiteral("???")) ==
                   c.hiddenOnEnemy,
               c.name);
    QCOMPARE(text(rig, "aminoAcidValue"), QStringLiteral("???"));
    QCOMPARE(text(rig, "upperStatusLine"), QStringLiteral("Внимание!!! ВРАГ! ВРАГ! УНИЧТОЖИТЬ ВРАГА!!!"));
    QVERIFY(!rig.part<QLabel>("spikeCaption")->font().bold());  // an enemy never shows the player's purse
    QCOMPARE(rig.game.window.hoverX, 2);

    moveOver(rig.part<QLabel>("spikeCaption"), QPoint(3, 3));
    QCOMPARE(text(rig, "organismName"), QStringLiteral("Тарвилис"));
    QVERIFY(rig.part<QLabel>("spikeCaption")->font().bold());
    QCOMPARE(text(rig, "upperStatusLine"), QStringLiteral("Для мутации требуется 30 аминокислот"));
    QCOMPARE(text(rig, "lowerStatusLine"), QStringLiteral("Внимание!!! ВРАГ! ВРАГ! УНИЧТОЖИТЬ ВРАГА!!!"));
    QVERIFY(rig.part<QTimer>("upperStatusTimer")->isActive());
    QCOMPARE(rig.part<QTimer>("upperStatusTimer")->interval(), 4500);
    QVERIFY(rig.part<QTimer>("lowerStatusTimer")->isActive());
    QCOMPARE(rig.part<QTimer>("lowerStatusTimer")->interval(), 3000);

    // A legend label brings the player back and leaves the status lines alone.
    moveOver(rig.part<QLabel>("quitLegend"), QPoint(3, 3));
    QCOMPARE(text(rig, "upperStatusLine"), QStringLiteral("Для мутации требуется 30 аминокислот"));
  }

  void theStatusTimersClearTheirLines() {
    Rig rig;
    rig.open();
    rig.part<QTimer>("upperStatusTimer")->setInterval(400);
    rig.part<QTimer>("lowerStatusTimer")->setInterval(10);
    moveOver(rig.part<QLabel>("cellsOwnedCaption"), QPoint(2, 2));
    moveOver(rig.part<QLabel>("battlesWonCaption"), QPoint(2, 2));
    QCOMPARE(text(rig, "upperStatusLine"), QStringLiteral("Количество выигранных сражений!"));
    QCOMPARE(text(rig, "lowerStatusLine"), QStringLiteral("Показывает количество захваченных клеток."));
    QTRY_COMPARE(text(rig, "lowerStatusLine"), QString());
    QCOMPARE(text(rig, "upperStatusLine"), QStringLiteral("Количество выигранных сражений!"));
    QTRY_COMPARE(text(rig, "upperStatusLine"), QString());
    QVERIFY(!rig.part<QTimer>("upperStatusTimer")->isActive());
  }

  void aClickOnAFreeNeighbourCapturesItOncePerTurn() {
    Rig rig;
    rig.open();
    placeBoard(rig.game, {"....", ".4..", "....", "...0"});
    rig.game.world.organisms[kPlayer].aggression = 3;
    auto* board = rig.part<ImageBox>("boardView");

    QTest::mouseClick(board, Qt::LeftButton, {}, cellCentre(2, 1));
    QCOMPARE(rig.game.world.cell(2, 1).owner, kPlayer);
    QCOMPARE(rig.sound.played.back(), Sound::Capture);
    QCOMPARE(text(rig, "cellsOwnedValue"), QStringLiteral("2"));

    // Any button counts; the second capture of the turn is refused.
    QTest::mouseClick(board, Qt::RightButton, {}, cellCentre(1, 0));
    QCOMPARE(rig.game.world.cell(1, 0).owner, kFree);
    QCOMPARE(rig.sound.played.back(), Sound::Refused);
  }

  void aWonAttackTakesTheCellAndTheLastEnemyCellEndsTheGameAfterTheClick() {
    Rig rig;
    rig.open();
    placeBoard(rig.game, {"....", ".40.", "...."});
    rig.game.world.organisms[kPlayer].spike = 50;
    auto* board = rig.part<ImageBox>("boardView");

    // What the battle does is the rules' (tests/core/battle_test.cpp); the
    // window takes the cell and closes once the game has ended.
    QTest::mouseClick(board, Qt::LeftButton, {}, cellCentre(2, 1));
    QCOMPARE(rig.game.world.cell(2, 1).owner, kPlayer);
    QCOMPARE(rig.messages.texts.size(), 1);
    QVERIFY(!rig.part<QTimer>("boardTimer")->isActive());
    // The window closes only once the click's handler has finished.
    QVERIFY(rig.window->isVisible());
    QTRY_VERIFY(!rig.window->isVisible());
  }

  void aLostAttackIsAnnouncedAndTheCellStaysTheEnemys() {
    Rig rig;
    rig.open();
    placeBoard(rig.game, {"....", ".40.", "...."});
    rig.game.world.organisms[0].spike = 50;
    QTest::mouseClick(rig.part<ImageBox>("boardView"), Qt::LeftButton, {}, cellCentre(2, 1));
    QCOMPARE(rig.game.world.cell(2, 1).owner, 0);
    QCOMPARE(rig.messages.texts, QStringList{QStringLiteral("Битва проиграна! :-(")});
    QCOMPARE(rig.sound.played, (std::vector<Sound>{Sound::AttackLost, Sound::Refused}));
    QVERIFY(rig.window->isVisible());
  }

  void mutationModeByKeysBlocksTheTurnAndACaptionClickBuysOneStep() {
    Rig rig;
    rig.open();
    rig.game.world.organisms[kPlayer].aminoAcids = 30;
    auto* hod = rig.part<QPushButton>("turnButton");

    QTest::keyClick(rig.window.get(), Qt::Key_M);
    QCOMPARE(rig.part<QPushButton>("mutationButton")->text(), QStringLiteral("Отмена"));
    QVERIFY(!hod->isEnabled());
    QVERIFY(rig.part<QLabel>("spikeCaption")->font().bold());
    QVERIFY(!rig.part<QLabel>("vitalityCaption")->font().bold());

    QTest::keyClick(rig.window.get(), Qt::Key_H);  // no turn while the mode is on
    QCOMPARE(rig.game.world.turn, 0);
    QCOMPARE(rig.sound.played, std::vector<Sound>{Sound::MutationClick});

    QTest::mouseClick(rig.part<QLabel>("spikeCaption"), Qt::LeftButton, {}, QPoint(4, 4));
    QCOMPARE(rig.game.world.organisms[kPlayer].spike, 1);
    QCOMPARE(text(rig, "spikeValue"), QStringLiteral("1"));
    QCOMPARE(text(rig, "aminoAcidValue"), QStringLiteral("0 ед."));
    QVERIFY(hod->isEnabled());
    QCOMPARE(rig.part<QPushButton>("mutationButton")->text(), QStringLiteral("Мутация +"));

    // Lower case and the Russian layout's letter on the same key work too.
    QTest::keyClick(hod, Qt::Key_H, Qt::NoModifier);
    QCOMPARE(rig.game.world.turn, 1);
    QCOMPARE(hod->text(), QStringLiteral("Ход 2"));
    QKeyEvent er(QEvent::KeyPress, 0x0420, Qt::NoModifier, QStringLiteral("р"));
    QApplication::sendEvent(rig.window.get(), &er);
    QCOMPARE(rig.game.world.turn, 2);
    // Shift changes nothing; Ctrl and Alt combinations are not the game's.
    QTest::keyClick(rig.window.get(), Qt::Key_H, Qt::ShiftModifier);
    QCOMPARE(rig.game.world.turn, 3);
    QTest::keyClick(rig.window.get(), Qt::Key_H, Qt::ControlModifier);
    QTest::keyClick(rig.window.get(), Qt::Key_H, Qt::AltModifier);
    QCOMPARE(rig.game.world.turn, 3);

    // Only the button, the menu item and the key switch the mode on; a legend label does not.
    QTest::mouseClick(rig.part<QLabel>("mutationLegend"), Qt::LeftButton, {}, QPoint(4, 4));
    QVERIFY(!rig.game.window.mutationMode);
    rig.part<QAction>("mutationAction")->trigger();
    QVERIFY(rig.game.window.mutationMode);
    QTest::mouseClick(rig.part<QPushButton>("mutationButton"), Qt::LeftButton);
    QVERIFY(!rig.game.window.mutationMode);
  }

  void f1AndTheHelpCloseButtonShowAndHideTheHelpWhoseTextKeepsItsKeys() {
    Rig rig;
    rig.open();
    auto* help = rig.part<QWidget>("helpPanel");
    QTest::keyClick(rig.window.get(), Qt::Key_F1);
    QVERIFY(help->isVisible());
    QTest::keyClick(rig.window.get(), Qt::Key_F1);
    QVERIFY(!help->isVisible());
    rig.part<QAction>("helpAction")->trigger();
    QVERIFY(help->isVisible());

    // Keys typed into the help text are not commands.
    auto* memo = rig.part<QPlainTextEdit>("helpText");
    memo->setFocus();
    QTest::keyClick(memo, Qt::Key_H);
    QTest::keyClick(memo, Qt::Key_F1);
    QTest::keyClick(memo, Qt::Key_Delete);
    QCOMPARE(rig.game.world.turn, 0);
    QVERIFY(help->isVisible());
    QVERIFY(rig.window->isVisible());

    // The close button keeps the keys working while it has the focus.
    auto* close = rig.part<QPushButton>("closeHelpButton");
    close->setFocus();
    QTest::keyClick(close, Qt::Key_H);
    QCOMPARE(rig.game.world.turn, 1);
    QTest::mouseClick(close, Qt::LeftButton);
    QVERIFY(!help->isVisible());
  }

  void saveAndLoadGoThroughTheDialogsAndACancelChangesNothing() {
    QTemporaryDir dir;
    Rig rig;
    rig.open();
    const QString path = dir.filePath(QStringLiteral("игра.klb"));
    rig.game.world.organisms[kPlayer].aminoAcids = 321;
    rig.files.answer = path;
    rig.part<QAction>("saveAction")->trigger();
    QVERIFY(QFile::exists(path));
    QVERIFY(rig.messages.texts.isEmpty());

    rig.game.world.organisms[kPlayer].aminoAcids = 5;
    QTest::keyClick(rig.window.get(), Qt::Key_M);
    QTest::keyClick(rig.window.get(), Qt::Key_F1);
    rig.part<QAction>("loadAction")->trigger();
    QCOMPARE(rig.game.world.organisms[kPlayer].aminoAcids, 321);
    QCOMPARE(rig.part<QLabel>("aminoAcidValue")->text(), QStringLiteral("321 ед."));
    QCOMPARE(rig.part<QPushButton>("mutationButton")->text(), QStringLiteral("Мутация +"));
    QVERIFY(rig.part<QPushButton>("turnButton")->isEnabled());
    QVERIFY(!rig.part<QWidget>("helpPanel")->isVisible());

    rig.files.answer.reset();
    rig.game.world.organisms[kPlayer].aminoAcids = 77;
    rig.part<QAction>("loadAction")->trigger();
    rig.part<QAction>("saveAction")->trigger();
    QCOMPARE(rig.files.asked, 4);
    QCOMPARE(rig.game.world.organisms[kPlayer].aminoAcids, 77);
    QVERIFY(rig.messages.texts.isEmpty());

    rig.files.answer = dir.filePath(QStringLiteral("нет такого.klb"));
    rig.part<QAction>("loadAction")->trigger();
    QCOMPARE(rig.messages.texts, QStringList{QStringLiteral("Файл не удается открыть... :(")});
    QCOMPARE(rig.game.world.organisms[kPlayer].aminoAcids, 77);
  }

  void deleteEndsTheModalShowingAndEscAsksToQuit() {
    Rig rig;
    QSignalSpy quit(rig.window.get(), &GameWindow::quitRequested);
    QSignalSpy about(rig.window.get(), &GameWindow::aboutRequested);
    bool wasModal = false;
    QTimer::singleShot(50, rig.window.get(), [&] {
      wasModal = rig.window->isVisible() && rig.window->isWindow() &&
                 rig.window->windowModality() == Qt::ApplicationModal;
      QTest::keyClick(rig.window.get(), Qt::Key_Escape);
      rig.part<QAction>("aboutAction")->trigger();
      QTest::keyClick(rig.window.get(), Qt::Key_Delete);
    });
    QTimer::singleShot(5000, rig.window.get(), [&] { rig.window->hide(); });  // never hang the suite
    rig.window->showModal();
    QVERIFY(wasModal);
    QVERIFY(!rig.window->isVisible());
    QCOMPARE(quit.count(), 1);
    QCOMPARE(about.count(), 1);
    QVERIFY(!rig.part<QTimer>("boardTimer")->isActive());
  }

  void theCloseBoxAndTheMenuItemReturnToTheStartScreenToo() {
    Rig rig;
    QTimer::singleShot(50, rig.window.get(), [&] { rig.window->close(); });
    QTimer::singleShot(5000, rig.window.get(), [&] { rig.window->hide(); });
    rig.window->showModal();
    QVERIFY(!rig.window->isVisible());

    // The next showing plays on (the start screen decides about a new game).
    QTimer::singleShot(50, rig.window.get(), [&] { rig.part<QAction>("backToMenuAction")->trigger(); });
    QTimer::singleShot(5000, rig.window.get(), [&] { rig.window->hide(); });
    rig.window->showModal();
    QVERIFY(!rig.window->isVisible());
  }

  void everyCommandsKeyInEitherLayoutTriggersItsOwnActionOnly() {
    Rig table;
    const std::vector<GameCommand>& commands = table.window->commands();
    for (const GameCommand& c : commands)
      for (const int key : {c.key, c.russianKey}) {
        if (!key) continue;
        Rig rig;
        rig.open();
        std::vector<std::unique_ptr<QSignalSpy>> spies;
        for (const GameCommand& each : commands)
          spies.push_back(std::make_unique<QSignalSpy>(
              rig.part<QAction>((std::string(each.name) + "Action").c_str()), &QAction::triggered));
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(rig.window.get(), &press);
        for (std::size_t i = 0; i < commands.size(); ++i)
          QCOMPARE(spies[i]->count(), &commands[i] == &c ? 1 : 0);
      }
  }

  void theMenuTurnItemEndsTheTurnLikeTheButton() {
    Rig rig;
    rig.open();
    rig.part<QAction>("endTurnAction")->trigger();
    QTest::mouseClick(rig.part<QPushButton>("turnButton"), Qt::LeftButton);
    QCOMPARE(rig.game.world.turn, 2);
    QCOMPARE(rig.sound.played, (std::vector<Sound>{Sound::TurnClick, Sound::TurnClick}));
  }
};

KLEBONY_UI_TEST(GameWindowFlowTest)

}  // namespace klebony

#include "game_window_flow_test.moc"
