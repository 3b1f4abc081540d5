// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game's sound effects (core/sounds.h) through QSoundEffect, one playing at a time.
#include <QObject>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

#include "ui/ports.h"

class QSoundEffect;

namespace klebony {

// Where the "Sound" folder may be, in the order the game looks: below the
// working directory (as it always has), beside the executable, then the
// installed data folder.
QStringList soundFolderCandidates();
// The first candidate that exists as a folder; the first candidate when none does.
QString findSoundFolder(const QStringList& candidates = soundFolderCandidates());

// Playing time of a plain PCM WAV file from its header, in milliseconds;
// nothing when the file is missing or not a WAV we can play.
std::optional<int> wavDurationMs(const QString& path);

class QtSoundPort : public QObject, public SoundPort {
  Q_OBJECT
 public:
  explicit QtSoundPort(const QString& folder, QObject* parent = nullptr);
  ~QtSoundPort() override;

  // Loads every effect; cheap to call again. Playing loads on demand too.
  void preload();
  void play(Sound sound, SoundMode mode) override;

  const QString& folder() const { return folder_; }

 protected:
  // The platform's default alert, for a missing or broken file.
  virtual void alert();
  // Whether the machine has any audio output at all.
  virtual bool hasAudioOutput() const;

 private:
  struct Effect {
    bool loaded = false;
    QSoundEffect* effect = nullptr;  // null when the file is missing or broken
    int durationMs = 0;
  };
  Effect& effect(Sound sound);
  void waitForEnd(const Effect& e);

  QString folder_;
  std::array<Effect, kSoundCount> effects_{};
  QSoundEffect* playing_ = nullptr;
};

}  // namespace klebony
