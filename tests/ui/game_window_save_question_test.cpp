// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
// "Сохранить" over a file that is no saved game asks first.
#include <QAction>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "persist/savefile.h"
#include "tests/ui/game_rig.h"
#include "tests/ui/registry.h"

namespace klebony {

using gametest::Rig;

namespace {

QByteArray contents(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QByteArray saved(const World& world) {
  const std::string bytes = encodeSave(world).value_or(std::string());
  return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

}  // namespace

class GameWindowSaveQuestionTest : public QObject {
  Q_OBJECT

 private slots:
  void aFileThatIsNoSavedGameIsReplacedOnlyAfterAYes() {
    QTemporaryDir dir;
    const QString notes = dir.filePath(QStringLiteral("notes.txt"));
    const QByteArray mine = QStringLiteral("купить хлеба\n").toUtf8();
    {
      QFile f(notes);
      QVERIFY(f.open(QIODevice::WriteOnly));
      f.write(mine);
    }
    Rig rig;
    rig.open();
    rig.files.answer = notes;
    const QString question =
        QStringLiteral("Файл «notes.txt» уже существует и не является сохраненной игрой. Заменить?");

    // "No": the file keeps its bytes and nothing more is said.
    rig.part<QAction>("saveAction")->trigger();
    QCOMPARE(rig.messages.questions, QStringList{question});
    QCOMPARE(contents(notes), mine);
    QVERIFY(rig.messages.texts.isEmpty());

    rig.messages.answerYes = true;
    rig.part<QAction>("saveAction")->trigger();
    QCOMPARE(rig.messages.questions.size(), 2);
    QCOMPARE(contents(notes), saved(rig.game.world));

    // Now it is a saved game: replaced at once, as quick saves need.
    rig.messages.answerYes = false;
    rig.game.world.organisms[kPlayer].aminoAcids = 999;
    rig.part<QAction>("saveAction")->trigger();
    QCOMPARE(rig.messages.questions.size(), 2);
    QCOMPARE(contents(notes), saved(rig.game.world));
    QVERIFY(rig.messages.texts.isEmpty());
  }
};

KLEBONY_UI_TEST(GameWindowSaveQuestionTest)

}  // namespace klebony

#include "game_window_save_question_test.moc"
