// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/shell/destroyed_windows.h"

#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <cstdint>
#include <cstring>

namespace klebony {

namespace {

// The X protocol's DestroyNotify: the event's code in its first byte (the
// top bit marks a sent event), the destroyed window at byte 8.
constexpr unsigned char kDestroyNotify = 17;
constexpr std::size_t kDestroyedWindowOffset = 8;

// Its native window is gone: once hidden, the widget lets it go, and the
// next showing makes a new one. A game window that shows a message box
// inside an event handler hides only when the handler has finished.
void forgetNativeWindow(const QPointer<QWidget>& window) {
  if (!window) return;
  if (window->isVisible()) {
    QTimer::singleShot(100, window, [window] { forgetNativeWindow(window); });
    return;
  }
  if (window->windowHandle()) window->windowHandle()->destroy();
}

void closeDestroyed(const QPointer<QWidget>& window) {
  if (!window) return;
  window->close();
  forgetNativeWindow(window);
}

}  // namespace

bool DestroyedWindowWatcher::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
  if (eventType != "xcb_generic_event_t") return false;
  const auto* bytes = static_cast<const unsigned char*>(message);
  if ((bytes[0] & 0x7f) != kDestroyNotify) return false;
  std::uint32_t destroyed = 0;
  std::memcpy(&destroyed, bytes + kDestroyedWindowOffset, sizeof destroyed);
  // A window Qt destroys itself has left its widget by now; only one
  // destroyed by someone else is still a shown window's.
  QWidget* window = QWidget::find(destroyed);
  if (!window || !window->isWindow() || !window->isVisible()) return false;
  const QPointer<QWidget> guard(window);
  const auto close = [guard] { closeDestroyed(guard); };
  QMetaObject::invokeMethod(window, close, Qt::QueuedConnection);
  return false;
}

}  // namespace klebony
