// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Windows stay reachable on small screens.
#include <QMainWindow>
#include <QMenuBar>
#include <QTest>

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
};

KLEBONY_UI_TEST(WindowPlacementTest)

}  // namespace klebony

#include "window_placement_test.moc"
