// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The about box's links on a desktop without xdg-open.
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "tests/ui/registry.h"
#include "ui/shell/desktop.h"

namespace klebony {

namespace {

QStringList reports;

void keepReport(QtMsgType, const QMessageLogContext&, const QString& text) { reports << text; }

}  // namespace

class ShellDesktopTest : public QObject {
  Q_OBJECT

 private slots:
  // Catches Qt's "Unable to detect a launcher" on standard error.
  void withoutXdgOpenALinkSaysNothing() {
    QTemporaryDir emptyFolder;
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(emptyFolder.path()));
    reports.clear();
    const QtMessageHandler previous = qInstallMessageHandler(keepReport);
    QtDesktopPort desktop;
    desktop.openUrl(QStringLiteral("http://klebony.example.org"));
    desktop.openUrl(QStringLiteral("mailto:klebony@klebony.example.org"));
    qInstallMessageHandler(previous);
    qputenv("PATH", path);
    QCOMPARE(reports, QStringList());
  }
};

KLEBONY_UI_TEST(ShellDesktopTest)

}  // namespace klebony

#include "shell_desktop_test.moc"
