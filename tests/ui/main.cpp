#include <QApplication>
#include <QTest>

#include "registry.h"

int main(int argc, char** argv) {
  // gtest-style discovery does not pass the test's environment; offscreen by default.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  // KLEBONY_UI_TEST=ClassName runs one class only.
  const QByteArray only = qgetenv("KLEBONY_UI_TEST");
  int failed = 0;
  for (const auto& make : klebony::uitest::registry()) {
    auto test = make();
    const QByteArray name = test->metaObject()->className();
    if (!only.isEmpty() && only != name && !name.endsWith("::" + only)) continue;
    failed += QTest::qExec(test.get(), argc, argv) != 0 ? 1 : 0;
  }
  return failed == 0 ? 0 : 1;
}
