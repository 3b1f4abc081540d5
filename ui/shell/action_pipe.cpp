// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/shell/action_pipe.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QAction>
#include <QApplication>
#include <QSocketNotifier>
#include <QWidget>
#include <cstdio>

namespace klebony {

namespace {

void triggerNamed(const QString& name) {
  for (QWidget* top : QApplication::topLevelWidgets())
    if (auto* action = top->findChild<QAction*>(name)) {
      action->trigger();
      return;
    }
  std::fprintf(stderr, "klebony: no action %s\n", qPrintable(name));
}

}  // namespace

QObject* listenForActionNames(QObject* parent) {
  const QByteArray path = qgetenv("KLEBONY_ACTION_PIPE");
  if (path.isEmpty()) return nullptr;
  // Read and write: the open does not wait for a writer, and the pipe never
  // reports its end while the game holds it.
  const int fd = ::open(path.constData(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    std::perror(path.constData());
    return nullptr;
  }
  // Only a pipe: the game never reads, or holds open for writing, anything else.
  struct stat st = {};
  if (::fstat(fd, &st) != 0 || !S_ISFIFO(st.st_mode)) {
    std::fprintf(stderr, "klebony: %s is no named pipe\n", path.constData());
    ::close(fd);
    return nullptr;
  }
  auto* notifier = new QSocketNotifier(fd, QSocketNotifier::Read, parent);
  auto* pending = new QByteArray;
  QObject::connect(notifier, &QObject::destroyed, [fd, pending] {
    ::close(fd);
    delete pending;
  });
  QObject::connect(notifier, &QSocketNotifier::activated, notifier, [fd, pending] {
    char buffer[256];
    ssize_t n;
    while ((n = ::read(fd, buffer, sizeof buffer)) > 0) pending->append(buffer, n);
    for (qsizetype end; (end = pending->indexOf('\n')) >= 0;) {
      const QString name = QString::fromUtf8(pending->left(end)).trimmed();
      pending->remove(0, end + 1);
      if (!name.isEmpty()) triggerNamed(name);
    }
  });
  return notifier;
}

}  // namespace klebony
