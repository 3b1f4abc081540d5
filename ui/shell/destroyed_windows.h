// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Another X client may destroy a window of the game (xdotool windowclose,
// a crashing compositor). Qt 6.4 takes no notice: the game would run on
// with nothing on the screen. The watcher closes such a window as its close
// box would (the start screen ends the game, the game window returns to the
// start screen) and lets the next showing make a new window on the screen.
#include <QAbstractNativeEventFilter>

namespace klebony {

class DestroyedWindowWatcher : public QAbstractNativeEventFilter {
 public:
  bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;
};

}  // namespace klebony
