// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Names typed by the player or read from a file are shown as typed, never
// read as markup.
#include <QFontMetrics>
#include <QLabel>
#include <QTest>

#include "tests/ui/game_rig.h"
#include "tests/ui/registry.h"
#include "ui/game/image_box.h"

namespace klebony {

using gametest::cellCentre;
using gametest::placeBoard;
using gametest::Rig;

namespace {

// Where the label's text leaves ink: what differs from the label without it.
QRect ink(QLabel* label) {
  const QImage shown = label->grab().toImage();
  const QString text = label->text();
  label->setText(QString());
  const QImage blank = label->grab().toImage();
  label->setText(text);
  QRect inked;
  for (int y = 0; y < shown.height(); ++y)
    for (int x = 0; x < shown.width(); ++x)
      if (shown.pixel(x, y) != blank.pixel(x, y)) inked |= QRect(x, y, 1, 1);
  return inked;
}

// The whole text on one line, as wide as its letters: markup would hide some
// of it, draw a rule across the label or break the line.
void verifyShownAsTyped(QLabel* label, const QString& expected) {
  QCOMPARE(label->text(), expected);
  const QFontMetrics metrics(label->font());
  const QRect letters = metrics.tightBoundingRect(expected);
  const QRect inked = ink(label);
  QVERIFY2(qAbs(inked.width() - letters.width()) <= 2,
           qPrintable(QStringLiteral("%1: ink %2 px wide, letters %3 px")
                          .arg(label->objectName())
                          .arg(inked.width())
                          .arg(letters.width())));
  QVERIFY2(inked.height() <= metrics.height(), qPrintable(label->objectName() + " takes more than one line"));
}

}  // namespace

class GameWindowPlainTextTest : public QObject {
  Q_OBJECT

 private slots:
  void namesFullOfMarkupAreShownAsTypedInThePanelAndTheStatusLine() {
    const QString player = QStringLiteral("<u>Жук</u><hr>");   // 14 letters: the name dialog takes it
    const QString enemy = QStringLiteral("&amp;<img src=x>");  // a name from a saved file
    Rig rig;
    rig.game.window.playerName = player.toStdString();
    rig.open();
    verifyShownAsTyped(rig.part<QLabel>("organismName"), player);

    // A won battle against an organism that keeps another cell: the game goes on.
    placeBoard(rig.game, {"....", ".40.", "...0"});
    rig.game.world.organisms[0].name = enemy.toStdString();
    rig.game.world.organisms[kPlayer].spike = 50;
    QTest::mouseClick(rig.part<ImageBox>("boardView"), Qt::LeftButton, {}, cellCentre(2, 1));
    QCOMPARE(rig.game.world.cell(2, 1).owner, kPlayer);
    verifyShownAsTyped(rig.part<QLabel>("upperStatusLine"), player + " напал на  " + enemy + " и ПОБЕДИЛ!");
  }
};

KLEBONY_UI_TEST(GameWindowPlainTextTest)

}  // namespace klebony

#include "game_window_plain_text_test.moc"
