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
    QVERIFY(rig.part<QTimer>("Tim_Game")->isActive());
    QCOMPARE(rig.part<QTimer>("Tim_Game")->interval(), 40);
    QCOMPARE(rig.part<QPushButton>("HOD")->text(), QStringLiteral("Ход 1"));
    QCOMPARE(rig.part<QPushButton>("BMut")->text(), QStringLiteral("Мутация +"));
    QCOMPARE(text(rig, "Label2"), QStringLiteral("Тарвилис"));
    QCOMPARE(text(rig, "Llive"), QStringLiteral("10/10 ед."));
    QCOMPARE(text(rig, "Lamin"), QStringLiteral("0 ед."));
    QCOMPARE(text(rig, "Lagsize"), QStringLiteral("1"));
    QVERIFY(!rig.part<QWidget>("PHelp")->isVisible());
    for (int n : {3, 4, 5, 7, 8, 9, 11, 12, 13, 14, 15, 16, 17, 19, 21, 23, 25})
      QVERIFY2(!rig.part<QLabel>(qPrintable(QStringLiteral("Label%1").arg(n)))->font().bold(), "affordable?");

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
    auto* board = rig.part<ImageBox>("GameBox");

    moveOver(board, cellCentre(2, 1));
    QCOMPARE(text(rig, "Label2"), QStringLiteral("Зеномиус"));
    for (const char* hidden :
         {"Lagsize", "Lsensor", "LZschip", "LZlezvie", "LZkleschni", "LZhvost", "LZspory", "Lamin"})
      QCOMPARE(text(rig, hidden), QStringLiteral("???"));
    QCOMPARE(text(rig, "Lkolschup"), QStringLiteral("0"));
    QCOMPARE(text(rig, "H1"), QStringLiteral("Внимание!!! ВРАГ! ВРАГ! УНИЧТОЖИТЬ ВРАГА!!!"));
    QVERIFY(!rig.part<QLabel>("Label12")->font().bold());  // an enemy never shows the player's purse
    QCOMPARE(rig.game.window.hoverX, 2);

    moveOver(rig.part<QLabel>("Label12"), QPoint(3, 3));
    QCOMPARE(text(rig, "Label2"), QStringLiteral("Тарвилис"));
    QVERIFY(rig.part<QLabel>("Label12")->font().bold());
    QCOMPARE(text(rig, "H1"), QStringLiteral("Для мутации требуется 30 аминокислот"));
    QCOMPARE(text(rig, "H2"), QStringLiteral("Внимание!!! ВРАГ! ВРАГ! УНИЧТОЖИТЬ ВРАГА!!!"));
    QVERIFY(rig.part<QTimer>("T1")->isActive());
    QCOMPARE(rig.part<QTimer>("T1")->interval(), 4500);
    QVERIFY(rig.part<QTimer>("T2")->isActive());
    QCOMPARE(rig.part<QTimer>("T2")->interval(), 3000);

    // A legend label brings the player back and leaves the status lines alone.
    moveOver(rig.part<QLabel>("Label20"), QPoint(3, 3));
    QCOMPARE(text(rig, "H1"), QStringLiteral("Для мутации требуется 30 аминокислот"));
  }

  void theStatusTimersClearTheirLines() {
    Rig rig;
    rig.open();
    rig.part<QTimer>("T1")->setInterval(400);
    rig.part<QTimer>("T2")->setInterval(10);
    moveOver(rig.part<QLabel>("Label6"), QPoint(2, 2));
    moveOver(rig.part<QLabel>("Label10"), QPoint(2, 2));
    QCOMPARE(text(rig, "H1"), QStringLiteral("Количество выигранных сражений!"));
    QCOMPARE(text(rig, "H2"), QStringLiteral("Показывает количество захваченных клеток."));
    QTRY_COMPARE(text(rig, "H2"), QString());
    QCOMPARE(text(rig, "H1"), QStringLiteral("Количество выигранных сражений!"));
    QTRY_COMPARE(text(rig, "H1"), QString());
    QVERIFY(!rig.part<QTimer>("T1")->isActive());
  }

  void aClickOnAFreeNeighbourCapturesItOncePerTurn() {
    Rig rig;
    rig.open();
    placeBoard(rig.game, {"....", ".4..", "....", "...0"});
    rig.game.world.organisms[kPlayer].aggression = 3;
    auto* board = rig.part<ImageBox>("GameBox");

    QTest::mouseClick(board, Qt::LeftButton, {}, cellCentre(2, 1));
    QCOMPARE(rig.game.world.cell(2, 1).owner, kPlayer);
    QCOMPARE(rig.sound.played.back(), Sound::Capture);
    QCOMPARE(text(rig, "Lsize"), QStringLiteral("2"));

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
    auto* board = rig.part<ImageBox>("GameBox");

    QTest::mouseClick(board, Qt::LeftButton, {}, cellCentre(2, 1));
    QCOMPARE(rig.game.world.cell(2, 1).owner, kPlayer);
    QVERIFY(rig.sound.played.back() == Sound::AttackWon);
    QCOMPARE(rig.game.window.upperStatus, std::string("Тарвилис напал на  Зеномиус и ПОБЕДИЛ!"));
    QCOMPARE(rig.messages.texts,
             QStringList{QStringLiteral("УРА-А-А! Я самый крутой клебон! Всэх зарэзаль! :-)")});
    QVERIFY(!rig.part<QTimer>("Tim_Game")->isActive());
    // The window closes only once the click's handler has finished.
    QVERIFY(rig.window->isVisible());
    QTRY_VERIFY(!rig.window->isVisible());
  }

  void aLostAttackIsAnnouncedAndTheCellStaysTheEnemys() {
    Rig rig;
    rig.open();
    placeBoard(rig.game, {"....", ".40.", "...."});
    rig.game.world.organisms[0].spike = 50;
    QTest::mouseClick(rig.part<ImageBox>("GameBox"), Qt::LeftButton, {}, cellCentre(2, 1));
    QCOMPARE(rig.game.world.cell(2, 1).owner, 0);
    QCOMPARE(rig.messages.texts, QStringList{QStringLiteral("Битва проиграна! :-(")});
    QCOMPARE(rig.sound.played, (std::vector<Sound>{Sound::AttackLost, Sound::Refused}));
    QVERIFY(rig.window->isVisible());
  }

  void mutationModeByKeysBlocksTheTurnAndACaptionClickBuysOneStep() {
    Rig rig;
    rig.open();
    rig.game.world.organisms[kPlayer].aminoAcids = 30;
    auto* hod = rig.part<QPushButton>("HOD");

    QTest::keyClick(rig.window.get(), Qt::Key_M);
    QCOMPARE(rig.part<QPushButton>("BMut")->text(), QStringLiteral("Отмена"));
    QVERIFY(!hod->isEnabled());
    QVERIFY(rig.part<QLabel>("Label12")->font().bold());
    QVERIFY(!rig.part<QLabel>("Label3")->font().bold());

    QTest::keyClick(rig.window.get(), Qt::Key_H);  // no turn while the mode is on
    QCOMPARE(rig.game.world.turn, 0);
    QCOMPARE(rig.sound.played, std::vector<Sound>{Sound::MutationClick});

    QTest::mouseClick(rig.part<QLabel>("Label12"), Qt::LeftButton, {}, QPoint(4, 4));
    QCOMPARE(rig.game.world.organisms[kPlayer].spike, 1);
    QCOMPARE(text(rig, "Lschip"), QStringLiteral("1"));
    QCOMPARE(text(rig, "Lamin"), QStringLiteral("0 ед."));
    QVERIFY(hod->isEnabled());
    QCOMPARE(rig.part<QPushButton>("BMut")->text(), QStringLiteral("Мутация +"));

    // Lower case and the Russian layout's letter on the same key work too.
    QTest::keyClick(hod, Qt::Key_H, Qt::NoModifier);
    QCOMPARE(rig.game.world.turn, 1);
    QCOMPARE(hod->text(), QStringLiteral("Ход 2"));
    QKeyEvent er(QEvent::KeyPress, 0x0420, Qt::NoModifier, QStringLiteral("р"));
    QApplication::sendEvent(rig.window.get(), &er);
    QCOMPARE(rig.game.world.turn, 2);

    // Only the button, the menu item and the key switch the mode on; a legend label does not.
    QTest::mouseClick(rig.part<QLabel>("Label24"), Qt::LeftButton, {}, QPoint(4, 4));
    QVERIFY(!rig.game.window.mutationMode);
    rig.part<QAction>("N6")->trigger();
    QVERIFY(rig.game.window.mutationMode);
    QTest::mouseClick(rig.part<QPushButton>("BMut"), Qt::LeftButton);
    QVERIFY(!rig.game.window.mutationMode);
  }

  void f1AndTheHelpCloseButtonShowAndHideTheHelpWhoseTextKeepsItsKeys() {
    Rig rig;
    rig.open();
    auto* help = rig.part<QWidget>("PHelp");
    QTest::keyClick(rig.window.get(), Qt::Key_F1);
    QVERIFY(help->isVisible());
    QTest::keyClick(rig.window.get(), Qt::Key_F1);
    QVERIFY(!help->isVisible());
    rig.part<QAction>("N10")->trigger();
    QVERIFY(help->isVisible());

    // Keys typed into the help text are not commands.
    auto* memo = rig.part<QPlainTextEdit>("Memo1");
    memo->setFocus();
    QTest::keyClick(memo, Qt::Key_H);
    QTest::keyClick(memo, Qt::Key_F1);
    QTest::keyClick(memo, Qt::Key_Delete);
    QCOMPARE(rig.game.world.turn, 0);
    QVERIFY(help->isVisible());
    QVERIFY(rig.window->isVisible());

    // The close button keeps the keys working while it has the focus.
    auto* close = rig.part<QPushButton>("BEndHelp");
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
    rig.part<QAction>("MSave")->trigger();
    QVERIFY(QFile::exists(path));
    QVERIFY(rig.messages.texts.isEmpty());

    rig.game.world.organisms[kPlayer].aminoAcids = 5;
    QTest::keyClick(rig.window.get(), Qt::Key_M);
    QTest::keyClick(rig.window.get(), Qt::Key_F1);
    rig.part<QAction>("MOpen")->trigger();
    QCOMPARE(rig.game.world.organisms[kPlayer].aminoAcids, 321);
    QCOMPARE(rig.part<QLabel>("Lamin")->text(), QStringLiteral("321 ед."));
    QCOMPARE(rig.part<QPushButton>("BMut")->text(), QStringLiteral("Мутация +"));
    QVERIFY(rig.part<QPushButton>("HOD")->isEnabled());
    QVERIFY(!rig.part<QWidget>("PHelp")->isVisible());

    rig.files.answer.reset();
    rig.game.world.organisms[kPlayer].aminoAcids = 77;
    rig.part<QAction>("MOpen")->trigger();
    rig.part<QAction>("MSave")->trigger();
    QCOMPARE(rig.files.asked, 4);
    QCOMPARE(rig.game.world.organisms[kPlayer].aminoAcids, 77);
    QVERIFY(rig.messages.texts.isEmpty());

    rig.files.answer = dir.filePath(QStringLiteral("нет такого.klb"));
    rig.part<QAction>("MOpen")->trigger();
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
      rig.part<QAction>("N12")->trigger();
      QTest::keyClick(rig.window.get(), Qt::Key_Delete);
    });
    QTimer::singleShot(5000, rig.window.get(), [&] { rig.window->hide(); });  // never hang the suite
    rig.window->showModal();
    QVERIFY(wasModal);
    QVERIFY(!rig.window->isVisible());
    QCOMPARE(quit.count(), 1);
    QCOMPARE(about.count(), 1);
    QVERIFY(!rig.part<QTimer>("Tim_Game")->isActive());
  }

  void theCloseBoxAndTheMenuItemReturnToTheStartScreenToo() {
    Rig rig;
    QTimer::singleShot(50, rig.window.get(), [&] { rig.window->close(); });
    QTimer::singleShot(5000, rig.window.get(), [&] { rig.window->hide(); });
    rig.window->showModal();
    QVERIFY(!rig.window->isVisible());

    // The next showing plays on (the start screen decides about a new game).
    QTimer::singleShot(50, rig.window.get(), [&] { rig.part<QAction>("N2")->trigger(); });
    QTimer::singleShot(5000, rig.window.get(), [&] { rig.window->hide(); });
    rig.window->showModal();
    QVERIFY(!rig.window->isVisible());
  }

  void theMenuTurnItemEndsTheTurnLikeTheButton() {
    Rig rig;
    rig.open();
    rig.part<QAction>("N8")->trigger();
    QTest::mouseClick(rig.part<QPushButton>("HOD"), Qt::LeftButton);
    QCOMPARE(rig.game.world.turn, 2);
    QCOMPARE(rig.sound.played, (std::vector<Sound>{Sound::TurnClick, Sound::TurnClick}));
  }
};

KLEBONY_UI_TEST(GameWindowFlowTest)

}  // namespace klebony

#include "game_window_flow_test.moc"
