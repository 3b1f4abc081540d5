// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The game window played by keys alone, and what it tells a screen reader.
#include <QAccessible>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

#include "core/keyboard_play.h"
#include "core/reading.h"
#include "tests/ui/game_rig.h"
#include "tests/ui/registry.h"
#include "ui/accessibility.h"

namespace klebony {

using gametest::cellCentre;
using gametest::moveOver;
using gametest::placeBoard;
using gametest::Rig;

namespace {

std::pair<int, int> marker(const Rig& rig) { return {rig.game.window.hoverX, rig.game.window.hoverY}; }

}  // namespace

class GameKeyboardTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { installAccessibility(); }

  void theArrowsMoveTheOneMarkerAndEnterTakesTheCellAsAClickWould() {
    Rig rig;
    rig.open();
    placeBoard(rig.game, {"....", ".4..", "...."});
    rig.game.world.organisms[kPlayer].aggression = 3;
    rig.game.window.cursorPlaced = false;
    QWidget* board = rig.part<QWidget>("boardView");
    QVERIFY(board->focusPolicy() & Qt::TabFocus);

    QTest::keyClick(board, Qt::Key_Right);  // the first key only finds the own cell
    QCOMPARE(marker(rig), (std::pair{1, 1}));
    QTest::keyClick(board, Qt::Key_Right);
    QCOMPARE(marker(rig), (std::pair{2, 1}));
    moveOver(board, cellCentre(3, 2));  // the pointer takes the marker, the keys go on from there
    QTest::keyClick(board, Qt::Key_Up);
    QCOMPARE(marker(rig), (std::pair{3, 1}));
    QTest::keyClick(board, Qt::Key_Home);
    QCOMPARE(marker(rig), (std::pair{1, 1}));
    QTest::keyClick(board, Qt::Key_Down);
    QTest::keyClick(board, Qt::Key_Return);
    QCOMPARE(rig.game.world.cell(1, 2).owner, kPlayer);
    QCOMPARE(rig.sound.played, std::vector<Sound>{Sound::Capture});
  }

  void theCommandsKeysKeepTheirMeaningWithTheFocusOnTheBoard() {
    Rig rig;
    rig.open();
    QWidget* board = rig.part<QWidget>("boardView");
    QTest::keyClick(board, Qt::Key_H);
    QCOMPARE(rig.game.world.turn, 1);
    QKeyEvent russianH(QEvent::KeyPress, U'Р', Qt::NoModifier,
                       QStringLiteral("р"));  // H in the Russian layout
    QApplication::sendEvent(board, &russianH);
    QCOMPARE(rig.game.world.turn, 2);
    QTest::keyClick(board, Qt::Key_F1);
    QVERIFY(rig.game.window.helpVisible);
    QTest::keyClick(board, Qt::Key_M);
    QVERIFY(rig.game.window.mutationMode);
    // In the mode the arrows pick among the characteristics, not cells.
    const auto before = marker(rig);
    QTest::keyClick(board, Qt::Key_Left);
    QCOMPARE(marker(rig), before);
  }

  void theMutationKeysMarkThePickedCaptionAndBuyItsStep() {
    Rig rig;
    rig.open();
    placeBoard(rig.game, {"4"});
    rig.game.world.organisms[kPlayer].aminoAcids = 1000;
    QPushButton* mutation = rig.part<QPushButton>("mutationButton");
    auto* regeneration = rig.part<QLabel>("regenerationCaption");
    QTest::keyClick(mutation, Qt::Key_M);
    QVERIFY(rig.game.window.mutationMode);
    QVERIFY(!regeneration->autoFillBackground());  // nothing marked before a key

    QTest::keyClick(mutation, Qt::Key_Tab);  // Tab walks the captions, not the focus
    QTest::keyClick(mutation, Qt::Key_Down);
    QCOMPARE(chosenCharacteristic(rig.game), Characteristic::Regeneration);
    QVERIFY(regeneration->autoFillBackground());
    QVERIFY(!rig.part<QLabel>("vitalityCaption")->autoFillBackground());

    const int32_t level = rig.game.world.organisms[kPlayer].regeneration;
    QTest::keyClick(mutation, Qt::Key_Return);
    QCOMPARE(rig.game.world.organisms[kPlayer].regeneration, level + 1);
    QVERIFY(!rig.game.window.mutationMode);
    QVERIFY(!regeneration->autoFillBackground());
  }

  void f10OpensTheMenuBarOnItsFirstMenu() {
    Rig rig;
    rig.open();
    QTest::keyClick(rig.part<QWidget>("boardView"), Qt::Key_F10);
    QMenuBar* bar = rig.window->menuBar();
    QCOMPARE(bar->activeAction(), bar->actions().first());
    QTRY_VERIFY(bar->actions().first()->menu()->isVisible());
    bar->actions().first()->menu()->close();
  }

  void aReaderFindsTheFieldItsMarkedCellAndTheValuesWithTheirCaptions() {
    Rig rig;
    rig.open();
    placeBoard(rig.game, {"....", ".40.", "...."});
    QWidget* board = rig.part<QWidget>("boardView");
    QAccessibleInterface* field = QAccessible::queryAccessibleInterface(board);
    QCOMPARE(field->text(QAccessible::Name), QStringLiteral("Поле"));
    QCOMPARE(field->childCount(), kBoardSize * kBoardSize);
    rig.game.window.hoverX = 2;
    rig.game.window.hoverY = 1;
    QAccessibleInterface* cell = field->child(1 * kBoardSize + 2);
    QCOMPARE(cell->text(QAccessible::Name), QString::fromStdString(cellReading(rig.game, 2, 1)));
    QVERIFY(cell->state().selected);
    QCOMPARE(field->indexOfChild(cell), 1 * kBoardSize + 2);
    QCOMPARE(
        field->childAt(board->mapToGlobal(cellCentre(2, 1)).x(), board->mapToGlobal(cellCentre(2, 1)).y()),
        cell);

    QCOMPARE(rig.part<QLabel>("regenerationValue")->accessibleName(), QStringLiteral("Регенерация: 0"));
    auto* caption = QAccessible::queryAccessibleInterface(rig.part<QLabel>("regenerationCaption"));
    QCOMPARE(caption->role(), QAccessible::StaticText);
    QTest::keyClick(board, Qt::Key_M);
    QVERIFY(rig.game.window.mutationMode);
    QCOMPARE(caption->role(), QAccessible::Button);
    QCOMPARE(caption->text(QAccessible::Name),
             QString::fromStdString(offerReading(rig.game, Characteristic::Regeneration)));
    QVERIFY(caption->actionInterface());
    QAccessible::queryAccessibleInterface(rig.part<QWidget>("leftHeart"));
    QVERIFY(QAccessible::queryAccessibleInterface(rig.part<QWidget>("leftHeart"))->state().invisible);
  }
};

KLEBONY_UI_TEST(GameKeyboardTest)

}  // namespace klebony

#include "game_keyboard_test.moc"
