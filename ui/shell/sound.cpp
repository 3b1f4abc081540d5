#include "sound.h"

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
#include <QtEndian>
#include <algorithm>
#include <cstring>

namespace klebony {

namespace {

// Extra time for the effect to start after its file has loaded.
constexpr int kStartMarginMs = 250;

quint32 le32(const char* p) { return qFromLittleEndian<quint32>(p); }
quint16 le16(const char* p) { return qFromLittleEndian<quint16>(p); }

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
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  const qint64 fileSize = file.size();
  char head[12];
  if (file.read(head, 12) != 12 || std::memcmp(head, "RIFF", 4) != 0 || std::memcmp(head + 8, "WAVE", 4) != 0)
    return std::nullopt;
  quint32 byteRate = 0;
  bool haveFormat = false;
  while (true) {
    char chunk[8];
    if (file.read(chunk, 8) != 8) return std::nullopt;
    const quint32 size = le32(chunk + 4);
    const qint64 body = file.pos();
    if (std::memcmp(chunk, "fmt ", 4) == 0) {
      char fmt[16];
      if (size < 16 || file.read(fmt, 16) != 16) return std::nullopt;
      const quint16 format = le16(fmt);
      const quint16 channels = le16(fmt + 2);
      const quint16 bits = le16(fmt + 14);
      byteRate = le32(fmt + 8);
      // PCM, IEEE float or the extensible header: what QSoundEffect decodes.
      if ((format != 1 && format != 3 && format != 0xFFFE) || channels == 0 || bits == 0 || byteRate == 0)
        return std::nullopt;
      haveFormat = true;
    } else if (std::memcmp(chunk, "data", 4) == 0) {
      if (!haveFormat) return std::nullopt;
      // A header may claim more than the file holds; only what is there plays.
      const qint64 bytes = std::min<qint64>(size, fileSize - body);
      return static_cast<int>(bytes * 1000 / byteRate);
    }
    if (!file.seek(body + size + (size & 1))) return std::nullopt;
  }
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
  for (int s = 0; s < static_cast<int>(effects_.size()); ++s) effect(static_cast<Sound>(s));
}

void QtSoundPort::alert() { QApplication::beep(); }

bool QtSoundPort::hasAudioOutput() const { return !QMediaDevices::audioOutputs().isEmpty(); }

void QtSoundPort::play(Sound sound, SoundMode mode) {
  if (playing_) {
    playing_->stop();
    playing_ = nullptr;
  }
  Effect& e = effect(sound);
  if (!e.effect || e.effect->status() == QSoundEffect::Error) {
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
