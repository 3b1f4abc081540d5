// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/shell/quit_signals.h"

#include <fcntl.h>
#include <unistd.h>
#include <QCoreApplication>
#include <QSocketNotifier>
#include <QThread>
#include <cerrno>
#include <csignal>

namespace klebony {

namespace {

// A signal handler may only write to a descriptor; the event loop reads the
// other end and quits from there. Both ends never block: a burst of signals
// fills the pipe, and a full pipe already holds a quit, so the handler drops
// the byte instead of waiting for a loop that may have quit already.
int signalPipe[2] = {-1, -1};

void onSignal(int) {
  const int savedErrno = errno;
  const char byte = 1;
  [[maybe_unused]] const ssize_t written = ::write(signalPipe[1], &byte, 1);
  errno = savedErrno;
}

void onQuitByte() {
  // Before the application's loop runs, QCoreApplication::exit would be
  // forgotten when that loop starts; the byte waits for it in the pipe.
  if (QThread::currentThread()->loopLevel() == 0) return;
  char bytes[64];
  while (::read(signalPipe[0], bytes, sizeof bytes) > 0) continue;
  // Ends every running event loop, a modal one included, then the application's own.
  QCoreApplication::exit(0);
}

void quitOn(int signal) {
  struct sigaction action = {};
  action.sa_handler = onSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  sigaction(signal, &action, nullptr);
}

// A game started under nohup was asked to outlive its terminal.
bool ignoredAtStart(int signal) {
  struct sigaction current = {};
  return sigaction(signal, nullptr, &current) == 0 && current.sa_handler == SIG_IGN;
}

}  // namespace

void quitOnTerminationSignals() {
  auto* app = QCoreApplication::instance();
  if (!app || signalPipe[0] >= 0) return;
  if (::pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) != 0) return;
  auto* notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, app);
  QObject::connect(notifier, &QSocketNotifier::activated, app, &onQuitByte);
  quitOn(SIGTERM);
  quitOn(SIGINT);
  if (!ignoredAtStart(SIGHUP)) quitOn(SIGHUP);
}

}  // namespace klebony
