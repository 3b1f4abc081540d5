// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The start screen leaves out of its repaint what its buttons hide: that
// must be exactly the pixels that do not depend on what lies beneath.
#include <QApplication>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include "tests/ui/registry.h"
#include "tests/ui/shell_fakes.h"
#include "ui/assets.h"
#include "ui/fonts.h"
#include "ui/shell/button_cover.h"
#include "ui/shell/start_screen.h"

namespace klebony {

namespace {

// The button painted over `background`, in window coordinates.
QImage paintedOver(QPushButton* button, const QImage& background) {
  QImage picture = background.copy(button->geometry());
  button->render(&picture, QPoint(), QRegion(), QWidget::DrawChildren);
  return picture;
}

QImage stripes(QSize size) {
  QImage img(size, QImage::Format_RGB32);
  for (int y = 0; y < size.height(); ++y)
    for (int x = 0; x < size.width(); ++x)
      img.setPixel(x, y, qRgb((x * 37) % 256, (y * 91) % 256, (x ^ y) & 255));
  return img;
}

}  // namespace

class ShellButtonCoverTest : public QObject {
  Q_OBJECT

 private slots:
  void whatAButtonHidesDoesNotDependOnTheBackgroundInAnyOfItsStates() {
    QWidget window;
    window.setFixedSize(192, 203);
    auto* button = new QPushButton(QStringLiteral("Настройки"), &window);
    button->setGeometry(52, 86, 89, 25);
    button->setFont(gameFont(12, true));
    ButtonCover cover(&window);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QImage red(window.size(), QImage::Format_RGB32);
    red.fill(Qt::red);
    const QImage other = stripes(window.size());
    for (const bool down : {false, true}) {
      button->setDown(down);
      button->repaint();  // a paint of its own: measured again
      const QRegion hidden = cover.hiddenBy(button);
      long area = 0;
      for (const QRect& r : hidden) area += r.width() * r.height();
      QVERIFY(area > button->width() * button->height() * 9 / 10);
      QVERIFY(QRegion(button->geometry()).contains(hidden.boundingRect()));
      const QImage a = paintedOver(button, red), b = paintedOver(button, other);
      for (const QRect& r : hidden)
        for (int y = r.top(); y <= r.bottom(); ++y)
          for (int x = r.left(); x <= r.right(); ++x)
            QCOMPARE(a.pixel(x - button->x(), y - button->y()), b.pixel(x - button->x(), y - button->y()));
    }
  }

  // What the start screen's repaints leave on the screen, step after step,
  // is what painting the whole window shows.
  void theStartScreenOnTheScreenIsTheWholeWindowRepaintedAfterManySteps() {
    Game game;
    uitest::RecordingSoundPort sound;
    StartScreen menu(game, Assets::get(), sound);
    menu.animationTimer.stop();
    menu.show();
    QVERIFY(QTest::qWaitForWindowExposed(&menu));
    for (int step = 0; step < 200; ++step) {
      menu.animationStep();
      if (step % 40 != 39) continue;
      QApplication::processEvents();
      const QImage onScreen =
          menu.screen()->grabWindow(menu.winId()).toImage().convertToFormat(QImage::Format_RGB32);
      const QImage whole = menu.grab().toImage().convertToFormat(QImage::Format_RGB32);
      QCOMPARE(onScreen.size(), whole.size());
      QVERIFY2(onScreen == whole, qPrintable(QStringLiteral("step %1").arg(step)));
    }
  }

  void aButtonIsLeftOutUnlessItsSeeThroughPixelsChanged() {
    QWidget window;
    window.setFixedSize(192, 203);
    auto* button = new QPushButton(QStringLiteral("Игра"), &window);
    button->setGeometry(52, 32, 89, 25);
    ButtonCover cover(&window);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QImage picture = stripes(window.size());
    const QRect under(80, 40, 12, 12);                   // wholly inside the button
    cover.visiblePart({under}, window.rect(), picture);  // the first call sees everything new

    picture.setPixel(85, 45, qRgb(1, 2, 3));
    QVERIFY(cover.visiblePart({under}, window.rect(), picture).isEmpty());

    const QRegion through = QRegion(button->geometry()) - cover.hiddenBy(button);
    QVERIFY(!through.isEmpty());
    const QPoint corner = through.begin()->topLeft();
    picture.setPixel(corner, qRgb(4, 5, 6));
    const QRect atCorner(corner - QPoint(5, 5), QSize(12, 12));
    const QRegion painted = cover.visiblePart({atCorner}, window.rect(), picture);
    QVERIFY(painted.contains(corner));
    QVERIFY(!painted.intersects(cover.hiddenBy(button)));
    // Beside the button the change is painted as it is.
    QCOMPARE(cover.visiblePart({QRect(0, 150, 12, 12)}, window.rect(), picture), QRegion(0, 150, 12, 12));
  }
};

KLEBONY_UI_TEST(ShellButtonCoverTest)

}  // namespace klebony

#include "shell_button_cover_test.moc"
