// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Small layers over what would block or need a device: message boxes, file
// dialogs, sound and the desktop shell. The application uses the Qt ones;
// Qt Test replaces them so whole flows run offscreen without blocking.
#include <QString>
#include <optional>

#include "core/outcomes.h"

class QWidget;

namespace klebony {

class MessagePort {
 public:
  virtual ~MessagePort() = default;
  // A modal box titled "Клебоны" with one OK button.
  virtual void message(QWidget* parent, const QString& text) = 0;
  // A modal question titled "Клебоны" with the buttons Yes and No, No the
  // default; true when the answer is Yes.
  virtual bool question(QWidget* parent, const QString& text) = 0;
};

class FileDialogPort {
 public:
  virtual ~FileDialogPort() = default;
  // The chosen path, or nothing when the dialog was cancelled.
  virtual std::optional<QString> savePath(QWidget* parent) = 0;
  virtual std::optional<QString> openPath(QWidget* parent) = 0;
};

class SoundPort {
 public:
  virtual ~SoundPort() = default;
  // Starting a sound stops the one playing. Sync returns when it has ended.
  virtual void play(Sound sound, SoundMode mode) = 0;
};

class DesktopPort {
 public:
  virtual ~DesktopPort() = default;
  virtual void openUrl(const QString& url) = 0;
};

}  // namespace klebony

namespace klebony {

// The platform layers a window needs; the application owns them.
struct Ports {
  MessagePort* messages = nullptr;
  FileDialogPort* files = nullptr;
  SoundPort* sound = nullptr;
  DesktopPort* desktop = nullptr;
};

}  // namespace klebony
