// Windows stay reachable on small screens, and the panel's values are shown whole.
#include <QFontMetrics>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QTest>
#include <climits>

#include "tests/ui/game_rig.h"
#include "tests/ui/registry.h"
#include "ui/window_placement.h"

namespace klebony {

using gametest::Rig;

class WindowPlacementTest : public QObject {
  Q_OBJECT

 private slots:
  void aWindowIsMovedAsLittleAsNeededToLieInsideTheArea() {
    const QRect area(0, 0, 640, 480);
    QCOMPARE(placedInside(QRect(100, 50, 200, 100), area), QRect(100, 50, 200, 100));
    QCOMPARE(placedInside(QRect(500, 420, 200, 100), area), QRect(440, 380, 200, 100));
    QCOMPARE(placedInside(QRect(-30, -5, 200, 100), area), QRect(0, 0, 200, 100));
    // A panel at the top: the area starts below it.
    QCOMPARE(placedInside(QRect(10, 0, 200, 100), QRect(0, 24, 640, 456)), QRect(10, 24, 200, 100));
  }

  // Regression: centred on a 640 x 480 screen the game window went to
  // negative coordinates, its title bar and menu bar out of reach.
  void aWindowLargerThanTheAreaKeepsItsTopLeftCornerInside() {
    const QRect area(0, 0, 640, 480);
    QCOMPARE(centredInside(QSize(800, 530), area), QRect(0, 0, 800, 530));
    QCOMPARE(centredInside(QSize(800, 300), QRect(50, 30, 640, 480)), QRect(50, 119, 800, 300));
    QCOMPARE(centredInside(QSize(200, 100), area), QRect(219, 189, 200, 100));
  }

  void theGameWindowOnASmallScreenHasItsMenuBarOnTheScreen() {
    Rig rig;
    rig.window->adjustSize();
    const QRect area(0, 20, 640, 460);  // a 640 x 480 screen with a panel at the top
    centreOnScreen(rig.window.get(), area);
    const QRect frame = rig.window->frameGeometry();
    QVERIFY(frame.width() > area.width());
    QCOMPARE(frame.topLeft(), area.topLeft());
    const QRect bar(rig.window->menuBar()->mapTo(rig.window.get(), QPoint(0, 0)) + rig.window->pos(),
                    rig.window->menuBar()->size());
    QVERIFY(area.contains(bar.topLeft()));

    // On a large screen it stays centred.
    const QRect large(0, 0, 1920, 1080);
    centreOnScreen(rig.window.get(), large);
    QCOMPARE(rig.window->frameGeometry().topLeft(),
             large.center() - QPoint(rig.window->width() / 2, rig.window->height() / 2));
  }

  // Regression: the value labels kept their design width and a six-digit
  // value lost its last digits; they now grow to the right with their text.
  void everyValueARecordCanHoldIsShownWholeInsideTheWindow() {
    Rig rig;
    rig.open();
    Organism& player = rig.game.world.organisms[kPlayer];
    for (const int value : {123456, INT_MAX, INT_MIN}) {
      player.aminoAcids = value;
      player.hp = value;
      player.vitality = value;
      player.size = value;
      player.battlesWon = value;
      for (Characteristic c : kCharacteristics)
        if (c != Characteristic::Vitality) level(player, c) = value;
      refreshAffordability(rig.game);
      showPanel(rig.game, kPlayer);
      const QString digits = QString::number(value);
      if (value == INT_MAX)
        QCOMPARE(rig.part<QLabel>("Llive")->text(), QStringLiteral("2147483647/21474836470 ед."));
      QStringList names{QStringLiteral("Lamin")};
      for (const PanelRow& row : panelRows()) names << QString::fromUtf8(row.valueLabel);
      for (const QString& labelName : names) {
        const auto* label = rig.part<QLabel>(labelName.toUtf8().constData());
        QVERIFY(label);
        const QString name = label->objectName();
        QVERIFY2(label->text().contains(digits), qPrintable(name + ": " + label->text()));
        QVERIFY2(QFontMetrics(label->font()).horizontalAdvance(label->text()) <= label->width(),
                 qPrintable(name + " cuts " + label->text()));
        const QRect inWindow(label->mapTo(rig.window.get(), QPoint(0, 0)), label->size());
        QVERIFY2(rig.window->rect().contains(inWindow), qPrintable(name + " leaves the window"));
      }
      // The amino acids stay centred between their caption and the mutation button.
      const QLabel* amin = rig.part<QLabel>("Lamin");
      const int textWidth = QFontMetrics(amin->font()).horizontalAdvance(amin->text());
      const int centre = amin->geometry().center().x();
      QVERIFY2(centre + textWidth / 2 < rig.part<QWidget>("BMut")->x(), qPrintable(amin->text()));
      const QLabel* caption = rig.part<QLabel>("Label18");
      QVERIFY(caption->x() + QFontMetrics(caption->font()).horizontalAdvance(caption->text()) <
              centre - textWidth / 2);
    }
  }
};

KLEBONY_UI_TEST(WindowPlacementTest)

}  // namespace klebony

#include "window_placement_test.moc"
