// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The characteristics panel shows every value a record can hold whole, clear
// of the key legend and of every other label, and leaves a value that fits
// where it always stood.
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QTest>
#include <climits>

#include "tests/ui/game_rig.h"
#include "tests/ui/registry.h"
#include "ui/fonts.h"

namespace klebony {

using gametest::moveOver;
using gametest::Rig;

namespace {

// Every level, count and the hit points of the player at one value.
void fillPlayer(Rig& rig, int32_t value, int32_t stock) {
  Organism& p = rig.game.world.organisms[kPlayer];
  for (Characteristic c : kCharacteristics) level(p, c) = value;
  p.hp = value;
  p.size = value;
  p.battlesWon = value;
  p.aminoAcids = stock;
  refreshAffordability(rig.game);
  showPanel(rig.game, kPlayer);
}

// Where a label's text is drawn, over the label's height.
QRect textRect(const QLabel* l) {
  const QRect drawn =
      QFontMetrics(l->font()).boundingRect(l->rect(), static_cast<int>(l->alignment()), l->text());
  return QRect(l->x() + drawn.x(), l->y(), drawn.width(), l->height());
}

QList<QLabel*> shownLabels(const Rig& rig) {
  QList<QLabel*> shown;
  for (QLabel* l : rig.part<QWidget>("characteristicsPanel")->findChildren<QLabel*>())
    if (!l->text().isEmpty()) shown << l;
  return shown;
}

}  // namespace

class GameWindowPanelTest : public QObject {
  Q_OBJECT

 private slots:
  void everyValueARecordHoldsIsShownWholeClearOfTheLegendAndOtherLabels() {
    Rig rig;
    rig.open();
    const QWidget* panel = rig.part<QWidget>("characteristicsPanel");
    const QRect legend = rig.part<QWidget>("legendBox")->geometry();
    // The stock decides the captions' style: a bold caption leaves its value less room.
    const std::pair<int32_t, int32_t> cases[] = {
        {123456, 900000}, {INT_MAX, INT_MAX}, {INT_MIN, INT_MAX}, {INT_MIN, INT_MIN}};
    for (const auto& [value, stock] : cases) {
      fillPlayer(rig, value, stock);
      const QList<QLabel*> labels = shownLabels(rig);
      for (const QLabel* l : labels) {
        const QString what = l->objectName() + ": " + l->text();
        QVERIFY2(QFontMetrics(l->font()).horizontalAdvance(l->text()) <= l->width(),
                 qPrintable(what + " is cut"));
        QVERIFY2(panel->contentsRect().contains(l->geometry()), qPrintable(what + " leaves the panel"));
        if (l->objectName().endsWith(QLatin1String("Value"))) {
          const QString digits = QString::number(l->objectName().startsWith("aminoAcid") ? stock : value);
          QVERIFY2(l->text().contains(digits), qPrintable(what));
          QVERIFY2(QFontInfo(l->font()).family() == gameFont(12).family(), qPrintable(what));
        }
        const bool inLegend = legend.contains(l->geometry());
        QVERIFY2(inLegend || !textRect(l).intersects(legend), qPrintable(what + " lies over the legend"));
        for (const QLabel* other : labels)
          QVERIFY2(other == l || !textRect(l).intersects(textRect(other)),
                   qPrintable(what + " lies over " + other->objectName()));
      }
    }
  }

  // A value that fits keeps its designed place and the play size, whatever
  // its length (the rule the panel has always had).
  void valuesThatFitStayWhereTheyStoodAtThePlaySize() {
    Rig rig;
    rig.open();
    QMap<QString, int> lefts;
    for (const QLabel* l : rig.part<QWidget>("characteristicsPanel")->findChildren<QLabel*>())
      if (l->objectName().endsWith(QLatin1String("Value"))) lefts[l->objectName()] = l->x();
    for (const int value : {12345, -9999, 0}) {
      fillPlayer(rig, value, value);
      for (auto it = lefts.cbegin(); it != lefts.cend(); ++it) {
        const QLabel* l = rig.part<QLabel>(qPrintable(it.key()));
        QVERIFY2(l->x() == it.value() && l->font().pixelSize() == 12,
                 qPrintable(it.key() + ": " + l->text()));
      }
    }
  }

  void aValueOverItsCaptionsTailLeavesTheCaptionThePointer() {
    Rig rig;
    rig.open();
    fillPlayer(rig, INT_MIN, 0);
    auto* caption = rig.part<QLabel>("cellsOwnedCaption");
    const QLabel* value = rig.part<QLabel>("cellsOwnedValue");
    QVERIFY(value->x() < caption->geometry().right());
    const QPoint overBoth = value->geometry().center() - QPoint(value->width() / 2 - 1, 0);
    QCOMPARE(rig.part<QWidget>("characteristicsPanel")->childAt(overBoth), caption);
    moveOver(caption, caption->mapFromParent(overBoth));
    QCOMPARE(rig.game.window.upperStatus, std::string("Показывает количество захваченных клеток."));
  }
};

KLEBONY_UI_TEST(GameWindowPanelTest)

}  // namespace klebony

#include "game_window_panel_test.moc"
