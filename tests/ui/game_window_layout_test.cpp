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

  static QRect inClient(const Rig& rig, const char* name) {
    auto* w = rig.part<QWidget>(name);
    if (!w) return {};
    return QRect(w->mapTo(rig.window->centralWidget(), QPoint(0, 0)), w->size());
  }
  static QRect inParent(const Rig& rig, const char* name) {
    auto* w = rig.part<QWidget>(name);
    return w ? w->geometry() : QRect();
  }

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

  void controlsStandWhereTheLayoutPutsThem() {
    Rig rig;
    rig.open();
    // The panel that fills the client area holds everything at these places.
    const QPoint panel = inClient(rig, "clientFrame").topLeft();
    QCOMPARE(inClient(rig, "clientFrame"), QRect(0, 0, 792, 483));
    QCOMPARE(inClient(rig, "creditsBar"), QRect(0, 483, 792, 19));
    QCOMPARE(inClient(rig, "boardFrame"), QRect(panel + QPoint(4, 4), QSize(448, 448)));
    QCOMPARE(inParent(rig, "boardView"), QRect(6, 6, 432, 432));
    QCOMPARE(inParent(rig, "helpPanel"), QRect(48, 20, 345, 401));
    QCOMPARE(inParent(rig, "helpText").size(), QSize(329, 328));
    QCOMPARE(inParent(rig, "closeHelpButton").size(), QSize(75, 19));
    QCOMPARE(inParent(rig, "turnButton"), QRect(456, 456, 109, 19));
    QCOMPARE(inParent(rig, "statusLines"), QRect(4, 452, 448, 28));
    QCOMPARE(inParent(rig, "upperStatusLine").size(), QSize(445, 13));
    QCOMPARE(inParent(rig, "lowerStatusLine").size(), QSize(445, 13));
    QCOMPARE(inParent(rig, "titlePanel"), QRect(452, 4, 337, 44));
    QCOMPARE(inParent(rig, "leftHeart"), QRect(16, 4, 32, 32));
    QCOMPARE(inParent(rig, "rightHeart"), QRect(285, 4, 32, 32));
    QCOMPARE(inParent(rig, "characteristicsPanel"), QRect(451, 48, 337, 403));
    QCOMPARE(inParent(rig, "mutationButton"), QRect(232, 364, 80, 19));
    QCOMPARE(inParent(rig, "organismName").topLeft(), QPoint(164, 8));
    QCOMPARE(inParent(rig, "vitalityCaption").topLeft(), QPoint(8, 30));
    QCOMPARE(inParent(rig, "vitalityValue").topLeft(), QPoint(136, 30));
    QCOMPARE(inParent(rig, "sporesCaption").topLeft(), QPoint(8, 251));
    QCOMPARE(inParent(rig, "acidDefenceValue").topLeft(), QPoint(210, 336));
    QCOMPARE(inParent(rig, "aminoAcidValue").topLeft(), QPoint(128, 364));
    QCOMPARE(inParent(rig, "aminoAcidValue").width(), 97);
    QCOMPARE(inParent(rig, "legendHeading").topLeft(), QPoint(204, 59));
    QCOMPARE(inParent(rig, "endTurnLegend").topLeft(), QPoint(204, 176));

    int left = 0;
    for (int i = 0; i < 4; ++i) {
      const QRect part = inParent(rig, qPrintable(QStringLiteral("creditsPart%1").arg(i)));
      QCOMPARE(part.left(), left);
      left += QList<int>{260, 200, 220, 50}[i];
      QVERIFY(part.right() < left);
      QVERIFY(!rig.part<QLabel>(qPrintable(QStringLiteral("creditsPart%1").arg(i)))->text().isEmpty());
    }
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

  void theMenuHasItsItemsSeparatorsAndIcons() {
    Rig rig;
    QStringList shape;
    for (QAction* top : rig.window->menuBar()->actions()) {
      shape << top->text() + QLatin1Char(':');
      for (QAction* a : top->menu()->actions())
        shape << (a->isSeparator() ? QStringLiteral("-") : a->text() + (a->icon().isNull() ? "" : "*"));
    }
    QCOMPARE(shape.join(QLatin1Char(' ')),
             QStringLiteral("Игра: Загрузить* Сохранить* - Меню - Выход* Команды: Мутировать + - Ход "
                            "Помощь: Справка* - О программе*"));
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
