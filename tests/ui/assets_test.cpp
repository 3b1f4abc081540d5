// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures the game compiles in: every row of the table is there at its size.
#include <QIcon>
#include <QImage>
#include <QTest>

#include "media/pictures.h"
#include "tests/ui/registry.h"
#include "ui/assets.h"

namespace klebony {

class AssetsTest : public QObject {
  Q_OBJECT

 private slots:
  void everyPictureOfTheTableIsCompiledInAtItsSize() {
    for (const PictureInfo& row : kPictureTable) {
      const QImage img(QStringLiteral(":/") + QLatin1String(row.file));
      QVERIFY2(!img.isNull(), row.file);
      QVERIFY2(img.size() == QSize(row.width, row.height), row.file);
    }
    // The application's icon offers each of its sizes, so the desktop need not scale one.
    QList<QSize> sizes;
    for (const PictureInfo& row : kPictureTable)
      if (row.id == Picture::AppIcon) sizes << QSize(row.width, row.height);
    QCOMPARE(Assets::get().icon(Picture::AppIcon).availableSizes(), sizes);
  }
};

KLEBONY_UI_TEST(AssetsTest)

}  // namespace klebony

#include "assets_test.moc"
