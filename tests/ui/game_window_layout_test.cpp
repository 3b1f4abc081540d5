// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The game window's layout: sizes and places of its controls, faces and texts.
#include <QAction>
#include <QFontInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "tests/ui/game_rig.h"
#include "tests/ui/registry.h"
#include "ui/fonts.h"

namespace klebony {

using gametest::Rig;

class GameWindowLayoutTest : public QObject {
  Q_OBJECT

 private slots:
  void theClientAreaIsFixedBelowTheMenuWithItsCaption() {
    Rig rig;
    rig.open();
    QCOMPARE(rig.window->windowTitle(), QStringLiteral("Игра - КЛЕБОНЫ (версия 1.0)"));
    QCOMPARE(rig.window->centralWidget()->size(), QSize(792, 502));
    QCOMPARE(rig.window->centralWidget()->y(), rig.window->menuBar()->height());
    QCOMPARE(rig.window->height(), rig.window->menuBar()->height() + 502);
    QCOMPARE(rig.window->minimumSize(), rig.window->maximumSize());
    QVERIFY(!(rig.window->windowFlags() & Qt::WindowMaximizeButtonHint));
  }

  // Every control lies inside its parent, and no two side by side cross: one
  // lies whole over the other (a box and what it holds, the help over the
  // board), or two sunken frames share an edge line.
  void controlsLieInsideTheirParentsAndNoneCrossesAnother() {
    Rig rig;
    rig.open();
    rig.window->findChild<QWidget*>("helpPanel")->show();
    QStringList faults;
    QList<QWidget*> controls;
    for (QWidget* w : rig.window->centralWidget()->findChildren<QWidget*>())
      if (!w->objectName().isEmpty() && !w->objectName().startsWith(QLatin1String("qt_"))) controls << w;
    for (QWidget* w : controls) {
      if (!w->parentWidget()->rect().contains(w->geometry()))
        faults << w->objectName() + " leaves its parent";
      for (QWidget* other : controls) {
        if (other == w || other->parentWidget() != w->parentWidget()) continue;
        const QRect common = w->geometry() & other->geometry();
        const bool edge = common.width() <= 1 || common.height() <= 1;
        if (!common.isEmpty() && !edge && !w->geometry().contains(other->geometry()) &&
            !other->geometry().contains(w->geometry()))
          faults << w->objectName() + " crosses " + other->objectName();
      }
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral(", "))));
    QCOMPARE(rig.part<QWidget>("boardView")->size(), QSize(kBoardPixels, kBoardPixels));
  }

  // Regression: a label's text wider than its box is cut off on screen.
  void everyPanelTextFitsItsLabelInTheGameFace() {
    Rig rig;
    rig.open();
    rig.game.world.organisms[kPlayer].aminoAcids = 900000;
    rig.game.world.organisms[kPlayer].hp = 99990;
    rig.game.world.organisms[kPlayer].vitality = 9999;
    refreshAffordability(rig.game);
    showPanel(rig.game, kPlayer);
    const QString face = gameFont(12).family();
    for (QLabel* label : rig.part<QWidget>("characteristicsPanel")->findChildren<QLabel*>()) {
      if (label->text().isEmpty()) continue;
      const QString name = label->objectName();
      const QFontMetrics metrics(label->font());
      QVERIFY2(metrics.horizontalAdvance(label->text()) <= label->width(),
               qPrintable(name + " is too narrow"));
      QVERIFY2(metrics.tightBoundingRect(label->text()).height() <= label->height(),
               qPrintable(name + " is too low"));
      if (name != QLatin1String("organismName") && name != QLatin1String("legendHeading"))
        QCOMPARE(QFontInfo(label->font()).family(), face);
    }
  }

  // Regression: a face without Cyrillic silently borrows glyphs from another.
  void everyRussianTextOfTheWindowHasItsGlyphsInItsOwnFace() {
    Rig rig;
    rig.open();
    QStringList missing;
    auto check = [&](const QFont& font, const QString& text, const QString& where) {
      const QFontMetrics metrics(font);
      for (char32_t c : text.toUcs4())
        if (c > 32 && !metrics.inFontUcs4(c))
          missing << where + QStringLiteral(": ") + QString::fromUcs4(&c, 1);
    };
    for (QLabel* label : rig.window->findChildren<QLabel*>())
      check(label->font(), label->text(), label->objectName());
    for (QPushButton* b : rig.window->findChildren<QPushButton*>())
      check(b->font(), b->text(), b->objectName());
    auto* memo = rig.part<QPlainTextEdit>("helpText");
    check(memo->font(), memo->toPlainText(), QStringLiteral("helpText"));
    for (QAction* a : rig.window->menuBar()->findChildren<QAction*>())
      check(rig.window->menuBar()->font(), a->text(), a->objectName());
    QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QLatin1Char(' '))));
    QVERIFY(QFontInfo(gameFont(12)).exactMatch());
    QVERIFY(QFontInfo(monoFont(16, true)).exactMatch());
  }

  void theMenusShowTheCommandsTableInOrderWithoutTheirKeys() {
    Rig rig;
    QStringList shown;
    const QList<QAction*> menus = rig.window->menuBar()->actions();
    for (QAction* top : menus)
      for (QAction* a : top->menu()->actions()) {
        shown << (a->isSeparator() ? QStringLiteral("-") : a->objectName() + QLatin1Char(' ') + a->text());
        if (!a->isSeparator()) shown.last() += a->icon().isNull() ? "" : "*";
        // The keys are told by the legend and the help: none in the menu.
        QVERIFY(!a->text().contains(QLatin1Char('\t')));
        QVERIFY(a->shortcut().isEmpty());
      }
    QStringList table;
    for (int menu = 0; menu < menus.size(); ++menu)
      for (const GameCommand& c : rig.window->commands()) {
        if (c.menu != static_cast<MenuId>(menu)) continue;
        if (c.separatorAbove) table << QStringLiteral("-");
        table << QLatin1String(c.name) + QStringLiteral("Action ") + QString::fromUtf8(c.text) +
                     (c.icon ? "*" : "");
      }
    QCOMPARE(shown, table);
  }

  void theHelpHasFiveSectionsOfShortLines() {
    Rig rig;
    const QStringList lines = rig.part<QPlainTextEdit>("helpText")->toPlainText().split(QLatin1Char('\n'));
    QStringList headings;
    int rules = 0;
    for (const QString& line : lines) {
      QVERIFY2(line.size() <= 50, qPrintable(line));
      if (line.startsWith(QStringLiteral("*******"))) headings << line;
      if (line == QString(38, QLatin1Char('_'))) ++rules;
    }
    QCOMPARE(
        headings,
        (QStringList{QStringLiteral("******* НЕМНОГО ИСТОРИИ."), QStringLiteral("******* НАЧАЛО ИГРЫ."),
                     QStringLiteral("******* ОПИСАНИЕ ХАРАКТЕРИСТИК"), QStringLiteral("******* СИСТЕМА БОЯ"),
                     QStringLiteral("******* ОБЩАЯ ИНФОРМАЦИЯ")}));
    QCOMPARE(rules, 4);
    // Regression: a blank line between a section's closing rule and the next
    // heading belonged to neither section. The text opens with the first
    // heading, each rule is the last line of its section, and the last
    // section has none.
    QCOMPARE(lines.first(), headings.first());
    for (int i = 1; i < 5; ++i) {
      const int at = lines.indexOf(headings[i]);
      QCOMPARE(lines.at(at - 1), QString(38, QLatin1Char('_')));
    }
    QVERIFY(!lines.mid(lines.indexOf(headings.last())).contains(QString(38, QLatin1Char('_'))));
    QVERIFY(!lines.last().trimmed().isEmpty());
    QVERIFY(rig.part<QPlainTextEdit>("helpText")->isReadOnly());
    QCOMPARE(rig.part<QPlainTextEdit>("helpText")->focusPolicy(), Qt::ClickFocus);
  }
};

KLEBONY_UI_TEST(GameWindowLayoutTest)

}  // namespace klebony

#include "game_window_layout_test.moc"
