// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The name dialog, the about box and Qt's Russian texts.
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include "core/game.h"
#include "tests/ui/registry.h"
#include "tests/ui/shell_fakes.h"
#include "ui/shell/about_box.h"
#include "ui/shell/application.h"
#include "ui/shell/name_dialog.h"

namespace klebony {

namespace {

// QTest::keyClicks cannot type Cyrillic: one key event per character.
void type(QWidget* w, const QString& text) {
  for (const QChar c : text)
    QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

}  // namespace

class ShellDialogsTest : public QObject {
  Q_OBJECT

 private slots:
  void nameDialogStartsWithTarvilisAndHasItsLayout() {
    Game game;
    NameDialog dialog(game);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Введите свое имя:"));
    QCOMPARE(dialog.size(), QSize(216, 64));
    QCOMPARE(dialog.nameEdit->text(), QStringLiteral("Тарвилис"));
    QCOMPARE(dialog.nameEdit->geometry(), QRect(28, 4, 161, 24));
    QCOMPARE(dialog.okButton->text(), QStringLiteral("Ок!"));
    QCOMPARE(dialog.okButton->geometry(), QRect(76, 36, 75, 20));
  }

  void nameTakesFifteenCharactersAndNotASixteenth() {
    Game game;
    NameDialog dialog(game);
    dialog.nameEdit->clear();
    type(dialog.nameEdit, QStringLiteral("Жужелица-Великая"));  // 16 characters
    QCOMPARE(dialog.nameEdit->text(), QStringLiteral("Жужелица-Велика"));
    QCOMPARE(game.window.playerName, std::string("Жужелица-Велика"));
  }

  void nameRefusesWhatWindows1251CannotHold() {
    Game game;
    NameDialog dialog(game);
    dialog.nameEdit->clear();
    type(dialog.nameEdit, QStringLiteral("Ёж№€ä"));  // ä has no byte in Windows-1251
    QCOMPARE(dialog.nameEdit->text(), QStringLiteral("Ёж№€"));

    QString astral = QString::fromUcs4(U"Кот\U0001F600");
    int pos = 0;
    QCOMPARE(dialog.nameEdit->validator()->validate(astral, pos), QValidator::Invalid);
    QString tab = QStringLiteral("a\tb");
    QCOMPARE(dialog.nameEdit->validator()->validate(tab, pos), QValidator::Invalid);

    // Pasting cannot bring them in either, nor more than 15 characters.
    QGuiApplication::clipboard()->setText(QString::fromUcs4(U"Змей\U0001F40D"));
    dialog.nameEdit->paste();
    QCOMPARE(dialog.nameEdit->text(), QStringLiteral("Ёж№€"));
    QGuiApplication::clipboard()->setText(QStringLiteral("абвгдеёжзий"));  // 4 + 11 = 15 fits
    dialog.nameEdit->paste();
    QCOMPARE(dialog.nameEdit->text(), QStringLiteral("Ёж№€абвгдеёжзий"));
    dialog.nameEdit->paste();  // a sixteenth would not
    QCOMPARE(dialog.nameEdit->text().size(), 15);
    QCOMPARE(game.window.playerName, std::string("Ёж№€абвгдеёжзий"));
  }

  void emptyNameIsAllowed() {
    Game game;
    NameDialog dialog(game);
    dialog.nameEdit->selectAll();
    QTest::keyClick(dialog.nameEdit, Qt::Key_Backspace);
    QCOMPARE(dialog.nameEdit->text(), QString());
    QCOMPARE(game.window.playerName, std::string());
    QString empty;
    int pos = 0;
    QCOMPARE(dialog.nameEdit->validator()->validate(empty, pos), QValidator::Acceptable);
  }

  void nameStaysWhicheverWayTheDialogIsClosed() {
    Game game;
    NameDialog dialog(game);
    for (const bool byOk : {true, false}) {
      const QString name = byOk ? QStringLiteral("Вася") : QStringLiteral("Петя");
      QTimer::singleShot(0, &dialog, [&] {
        dialog.nameEdit->clear();
        type(dialog.nameEdit, name);
        if (byOk)
          QTest::mouseClick(dialog.okButton, Qt::LeftButton);
        else
          dialog.close();  // the close box: there is no cancelling
      });
      const int result = dialog.exec();
      QCOMPARE(result, byOk ? int(QDialog::Accepted) : int(QDialog::Rejected));
      QCOMPARE(dialog.nameEdit->text(), name);
      QCOMPARE(QString::fromStdString(game.window.playerName), name);
    }
  }

  void aboutBoxLinksGoToTheDesktopAndTheBoxStaysOpen() {
    uitest::RecordingDesktopPort desktop;
    AboutBox about(desktop);
    QCOMPARE(about.windowTitle(), QStringLiteral("О Программе"));
    QCOMPARE(about.size(), QSize(283, 226));
    QCOMPARE(about.title->text(), QStringLiteral("К Л Е Б О Н Ы"));
    const QStringList lines = about.credits->toPlainText().split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 11);
    QCOMPARE(lines[0], QStringLiteral("Версия программы:"));
    QCOMPARE(lines[1], QStringLiteral("    v 1.0"));
    QCOMPARE(lines[2], QString());
    QCOMPARE(lines[9], QStringLiteral("Дата создания:"));
    QCOMPARE(lines[10], QStringLiteral("    Ноябрь 2003год"));
    QVERIFY(about.credits->isReadOnly());
    QCOMPARE(about.webLink->cursor().shape(), Qt::PointingHandCursor);
    QCOMPARE(about.mailLink->cursor().shape(), Qt::PointingHandCursor);

    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    QCOMPARE(about.credits->verticalScrollBar()->maximum(), 0);  // every line in view, the date too
    QTest::mouseClick(about.webLink, Qt::LeftButton);
    QTest::mouseClick(about.mailLink, Qt::LeftButton);
    QTest::mouseClick(about.credits->viewport(), Qt::LeftButton);
    QCOMPARE(desktop.opened, QStringList({QStringLiteral("http://") + about.webLink->text(),
                                          QStringLiteral("mailto:") + AboutBox::kMailAddress}));
    QVERIFY(about.isVisible());
  }

  void standardButtonsReadRussianOnceTheTranslationIsLoaded() {
    {
      const RussianTranslation russian;
      QVERIFY2(russian.qtbaseLoaded(), "qtbase_ru.qm missing: install qt6-translations-l10n");
      QMessageBox box;
      box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
      QCOMPARE(box.button(QMessageBox::Ok)->text(), QStringLiteral("ОК"));  // Cyrillic letters
      QCOMPARE(box.button(QMessageBox::Cancel)->text(), QStringLiteral("Отмена"));
    }
    QMessageBox box;  // and gone again with it
    box.setStandardButtons(QMessageBox::Ok);
    QCOMPARE(box.button(QMessageBox::Ok)->text(), QStringLiteral("OK"));
  }
};

KLEBONY_UI_TEST(ShellDialogsTest)

}  // namespace klebony

#include "shell_dialogs_test.moc"
