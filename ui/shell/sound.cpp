// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/shell/sound.h"

#include <QApplication>
#include <QAudioDevice>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>
#include <fstream>

#include "media/wav_header.h"

namespace klebony {

namespace {

// Extra time for the effect to start after its file has loaded.
constexpr int kStartMarginMs = 250;

QString fileName(Sound sound) {
  // soundFile gives "Sound/X.wav"; the folder is looked up separately.
  return QFileInfo(QString::fromUtf8(soundFile(sound))).fileName();
}

}  // namespace

QStringList soundFolderCandidates() {
  QStringList folders;
  folders << QDir::current().absoluteFilePath(QStringLiteral("Sound"));
  if (QCoreApplication::instance())
    folders << QDir(QCoreApplication::applicationDirPath()).absoluteFilePath(QStringLiteral("Sound"));
#ifdef KLEBONY_SOUND_DATA_DIR
  folders << QStringLiteral(KLEBONY_SOUND_DATA_DIR);
#endif
  return folders;
}

QString findSoundFolder(const QStringList& candidates) {
  for (const QString& f : candidates)
    if (QFileInfo(f).isDir()) return f;
  return candidates.isEmpty() ? QStringLiteral("Sound") : candidates.first();
}

std::optional<int> wavDurationMs(const QString& path) {
  std::ifstream in(QFile::encodeName(path).toStdString(), std::ios::binary);
  if (!in) return std::nullopt;
  const auto header = readWavHeader(in);
  if (!header) return std::nullopt;
  return static_cast<int>(header->durationMs());
}

QtSoundPort::QtSoundPort(const QString& folder, QObject* parent) : QObject(parent), folder_(folder) {}

QtSoundPort::~QtSoundPort() = default;

QtSoundPort::Effect& QtSoundPort::effect(Sound sound) {
  Effect& e = effects_[static_cast<std::size_t>(sound)];
  if (e.loaded) return e;
  e.loaded = true;
  const QString path = QDir(folder_).filePath(fileName(sound));
  const auto duration = wavDurationMs(path);
  if (!duration) return e;
  e.durationMs = *duration;
  e.effect = new QSoundEffect(this);
  e.effect->setSource(QUrl::fromLocalFile(path));
  return e;
}

void QtSoundPort::preload() {
  for (const SoundInfo& sound : kSoundTable) effect(sound.id);
}

void QtSoundPort::alert() { QApplication::beep(); }

bool QtSoundPort::hasAudioOutput() const { return !QMediaDevices::audioOutputs().isEmpty(); }

void QtSoundPort::play(Sound sound, SoundMode mode) {
  if (playing_) {
    playing_->stop();
    playing_ = nullptr;
  }
  Effect& e = effect(sound);
  // A missing or broken file beeps. Qt 6.11 also reports an error for a good
  // file when no device can play its format, and without a device that is
  // only the silence the player already has: no beep for it.
  const bool unplayable = e.effect && e.effect->status() == QSoundEffect::Error && hasAudioOutput();
  if (!e.effect || unplayable) {
    alert();
    return;
  }
  playing_ = e.effect;
  e.effect->play();
  if (mode == SoundMode::Sync) waitForEnd(e);
}

void QtSoundPort::waitForEnd(const Effect& e) {
  // Without a device QSoundEffect never reports the end: wait for the
  // length from the header, and not at all when nothing can be heard.
  if (e.durationMs <= 0 || !hasAudioOutput()) return;
  QEventLoop loop;
  QTimer::singleShot(e.durationMs + kStartMarginMs, &loop, &QEventLoop::quit);
  connect(e.effect, &QSoundEffect::playingChanged, &loop, [&loop, effect = e.effect] {
    if (!effect->isPlaying()) loop.quit();
  });
  connect(e.effect, &QSoundEffect::statusChanged, &loop, [&loop, effect = e.effect] {
    if (effect->status() == QSoundEffect::Error) loop.quit();
  });
  // The whole game waits for this sound: no clicks or keys meanwhile.
  loop.exec(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace klebony
