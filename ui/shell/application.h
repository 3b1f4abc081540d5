// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The application around the windows: title, translation, error box, and
// the start-up that creates the four windows in their order.
#include <QApplication>
#include <QString>
#include <memory>

#include "ui/shell/russian_translation.h"

namespace klebony {

inline constexpr char kAppTitle[] = "Клебоны";

// An error that escapes an event handler is shown in a box titled
// "Клебоны", and the application ends with a failure status.
class KlebonyApplication : public QApplication {
  Q_OBJECT
 public:
  KlebonyApplication(int& argc, char** argv);
  bool notify(QObject* receiver, QEvent* event) override;
};

// The error box; an error without a message of its own shows an empty one.
void showFatalError(const QString& text);

// The whole program: start-up, the event loop, the exit status.
int runKlebony(int argc, char** argv);

}  // namespace klebony
