// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QTest>
#include <cstdio>

#include "tests/ui/registry.h"

int main(int argc, char** argv) {
  // gtest-style discovery does not pass the test's environment; offscreen by default.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  // KLEBONY_UI_TEST=ClassName runs one class only (ctest runs each so).
  const QByteArray only = qgetenv("KLEBONY_UI_TEST");
  int failed = 0, ran = 0;
  for (const auto& make : klebony::uitest::registry()) {
    auto test = make();
    const QByteArray name = test->metaObject()->className();
    if (!only.isEmpty() && only != name && !name.endsWith("::" + only)) continue;
    ++ran;
    failed += QTest::qExec(test.get(), argc, argv) != 0 ? 1 : 0;
  }
  // A renamed class must not turn its ctest entry into one that runs nothing.
  if (ran == 0) {
    std::fprintf(stderr, "no ui test class named %s\n", only.constData());
    return 1;
  }
  return failed == 0 ? 0 : 1;
}
