// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The commands' actions with a table of the test's own: a command with state
// is a row like any other, and its menu item, key and button are one path.
#include <QAction>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

#include "tests/ui/game_rig.h"
#include "tests/ui/registry.h"
#include "ui/game/game_commands.h"

namespace klebony {

class GameCommandsTest : public QObject {
  Q_OBJECT

 private slots:
  void aCommandWithACheckMarkIsOneRowAndItsMarkFollowsTheState() {
    bool muted = false;
    CommandActions commands({{.name = "mute",
                              .menu = MenuId::Game,
                              .text = "Без звука",
                              .key = Qt::Key_S,
                              .russianKey = U'Ы',
                              .run = [&] { muted = !muted; },
                              .checked = [&] { return muted; }},
                             {.name = "about", .menu = MenuId::Help, .text = "О программе", .run = [] {}}});
    QMenuBar bar;
    commands.addMenus(&bar);
    QAction* mute = bar.findChild<QAction*>(QStringLiteral("muteAction"));
    QVERIFY(mute);
    QVERIFY(bar.findChild<QMenu*>(QStringLiteral("gameMenu"))->actions().contains(mute));
    QVERIFY(mute->isCheckable());
    QVERIFY(!mute->isChecked());
    QVERIFY(!commands.action("about")->isCheckable());

    commands.actionOfKey(U'Ы')->trigger();  // the key, Russian layout
    QVERIFY(muted);
    QVERIFY(mute->isChecked());
    mute->trigger();  // the menu item
    QVERIFY(!muted);
    QVERIFY(!mute->isChecked());
    // A state changed elsewhere shows at the next update, not before.
    muted = true;
    QVERIFY(!mute->isChecked());
    commands.updateStates();
    QVERIFY(mute->isChecked());
  }

  void aBoundButtonTriggersItsCommandAndFollowsItsEnabledState() {
    int turns = 0;
    bool allowed = true;
    CommandActions commands({{.name = "endTurn",
                              .menu = MenuId::Commands,
                              .text = "Ход",
                              .key = Qt::Key_H,
                              .run =
                                  [&] {
                                    ++turns;
                                    allowed = false;
                                  },
                              .enabled = [&] { return allowed; }}});
    QMenuBar bar;
    commands.addMenus(&bar);
    QPushButton button;
    QPushButton other;
    commands.bindButton(&button, "endTurn");
    QVERIFY(commands.isBound(&button));
    QVERIFY(!commands.isBound(&other));
    QAction* endTurn = commands.action("endTurn");
    QVERIFY(button.isEnabled());

    // The command's own run disables it: action and button follow at once.
    QTest::mouseClick(&button, Qt::LeftButton);
    QCOMPARE(turns, 1);
    QVERIFY(!endTurn->isEnabled());
    QVERIFY(!button.isEnabled());
    commands.actionOfKey(Qt::Key_H)->trigger();
    QTest::mouseClick(&button, Qt::LeftButton);
    QCOMPARE(turns, 1);

    allowed = true;
    commands.updateStates();
    QVERIFY(button.isEnabled());
    QCOMPARE(commands.actionOfKey(Qt::Key_A), nullptr);
  }

  // The manual pages list the keys by hand; a key added to the table must
  // reach both.
  void theManualPagesNameEveryKeyOfTheGameWindow() {
    gametest::Rig rig;
    for (const char* page : {"packaging/man/klebony.6", "packaging/man/ru/klebony.6"}) {
      QFile file(QStringLiteral(KLEBONY_SOURCE_DIR "/") + QLatin1String(page));
      QVERIFY2(file.open(QIODevice::ReadOnly), page);
      const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
      for (const GameCommand& c : rig.window->commands()) {
        if (!c.key) continue;
        QVERIFY2(c.legend, c.name);  // the legend names the key as the pages do
        const QString key = QString::fromUtf8(c.legend).section(QStringLiteral("  -  "), 0, 0);
        QVERIFY2(lines.contains(QStringLiteral(".B ") + key),
                 qPrintable(QLatin1String(page) + " lacks " + key));
      }
    }
  }
};

KLEBONY_UI_TEST(GameCommandsTest)

}  // namespace klebony

#include "game_commands_test.moc"
