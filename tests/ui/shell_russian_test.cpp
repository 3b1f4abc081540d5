// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Qt's own texts in Russian: what Debian's qtbase_ru leaves in English and the
// file dialog takes from the system locale (English without LANG).
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>

#include "tests/ui/registry.h"
#include "ui/shell/russian_translation.h"

namespace klebony {

namespace {

void writeFile(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  QVERIFY(f.open(QIODevice::WriteOnly));
  f.write(bytes);
}

}  // namespace

class ShellRussianTest : public QObject {
  Q_OBJECT
 private slots:
  void sizesReadInRussianWithTheRightPlural() {
    QCOMPARE(russianDataSize(0), QStringLiteral("0 байт"));
    QCOMPARE(russianDataSize(1), QStringLiteral("1 байт"));
    QCOMPARE(russianDataSize(2), QStringLiteral("2 байта"));
    QCOMPARE(russianDataSize(5), QStringLiteral("5 байт"));
    QCOMPARE(russianDataSize(12), QStringLiteral("12 байт"));
    QCOMPARE(russianDataSize(22), QStringLiteral("22 байта"));
    QCOMPARE(russianDataSize(114), QStringLiteral("114 байт"));
    QCOMPARE(russianDataSize(1000), QStringLiteral("1000 байт"));
    QCOMPARE(russianDataSize(1023), QStringLiteral("1023 байта"));
    QCOMPARE(russianDataSize(1024), QStringLiteral("1,00 КБ"));
    QCOMPARE(russianDataSize(3000), QStringLiteral("2,93 КБ"));
    QCOMPARE(russianDataSize(3 * 512 * 1024), QStringLiteral("1,50 МБ"));
    QCOMPARE(russianDataSize(qint64(5) << 30), QStringLiteral("5,00 ГБ"));
  }

  void folderTypeIsRussianOnlyWhileTheTranslationIsLoaded() {
    {
      const RussianTranslation russian;
      QCOMPARE(QCoreApplication::translate("QAbstractFileIconProvider", "Folder", "All other platforms"),
               QStringLiteral("Папка"));
    }
    QCOMPARE(QCoreApplication::translate("QAbstractFileIconProvider", "Folder", "All other platforms"),
             QStringLiteral("Folder"));
  }

  // The file dialog once showed "Folder", "unknown", "KiB" and "bytes".
  void fileDialogColumnsHoldNoEnglish() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("saves")));
    writeFile(dir.filePath(QStringLiteral("a.klb")), QByteArray(3000, 'x'));
    writeFile(dir.filePath(QStringLiteral("blob")), QByteArray("\x00\x01\x02\xff", 4));

    const RussianTranslation russian;
    QFileDialog dialog(nullptr, QStringLiteral("Загрузить игру"), dir.path());
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setViewMode(QFileDialog::Detail);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QVERIFY(dialog.proxyModel());
    auto* view = dialog.findChild<QTreeView*>(QStringLiteral("treeView"));
    QVERIFY(view);
    QAbstractItemModel* model = view->model();
    QTRY_COMPARE(model->rowCount(view->rootIndex()), 3);
    // The file types are looked up in the background: wait for all of them.
    const auto typesKnown = [&] {
      for (int r = 0; r < 3; ++r)
        if (model->index(r, 2, view->rootIndex()).data().toString().isEmpty()) return false;
      return true;
    };
    QTRY_VERIFY(typesKnown());

    QMap<QString, QStringList> rows;
    for (int r = 0; r < 3; ++r) {
      const QModelIndex name = model->index(r, 0, view->rootIndex());
      QStringList cells;
      for (int c = 1; c < 4; ++c) cells << model->index(r, c, view->rootIndex()).data().toString();
      rows[name.data().toString()] = cells;
    }
    QCOMPARE(rows[QStringLiteral("saves")].mid(0, 2), QStringList({QString(), QStringLiteral("Папка")}));
    QCOMPARE(rows[QStringLiteral("a.klb")][0], QStringLiteral("2,93 КБ"));
    QCOMPARE(rows[QStringLiteral("blob")][0], QStringLiteral("4 байта"));
    const QRegularExpression latin(QStringLiteral("[A-Za-z]"));
    const QRegularExpression shortDate(QStringLiteral("^\\d\\d\\.\\d\\d\\.\\d{4} \\d\\d:\\d\\d$"));
    for (auto it = rows.cbegin(); it != rows.cend(); ++it) {
      QVERIFY2(!it.value().join(u'|').contains(latin), qPrintable(it.key() + ": " + it.value().join(u'|')));
      QVERIFY2(shortDate.match(it.value()[2]).hasMatch(), qPrintable(it.value()[2]));
    }
  }

  void dialogsAfterTheTranslationKeepQtsOwnColumns() {
    { const RussianTranslation russian; }
    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QVERIFY(!dialog.proxyModel());
  }
};

KLEBONY_UI_TEST(ShellRussianTest)

}  // namespace klebony

#include "shell_russian_test.moc"
