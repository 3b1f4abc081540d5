// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The sound effects: where the game finds them, what a broken or missing
// file does, and that waiting for a sound never hangs.
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include "tests/ui/registry.h"
#include "ui/shell/sound.h"

namespace klebony {

namespace {

// Counts alerts instead of beeping; the audio device can be faked present.
class CountingSoundPort : public QtSoundPort {
 public:
  using QtSoundPort::QtSoundPort;
  int alerts = 0;
  bool audio = false;

 protected:
  void alert() override { ++alerts; }
  bool hasAudioOutput() const override { return audio; }
};

QByteArray le32(quint32 v) {
  QByteArray b(4, 0);
  qToLittleEndian(v, b.data());
  return b;
}
QByteArray le16(quint16 v) {
  QByteArray b(2, 0);
  qToLittleEndian(v, b.data());
  return b;
}

// A mono 16-bit PCM WAV; `claimed` overrides the data size in the header.
QByteArray wav(int rate, int samples, const QByteArray& extraChunk = {}, qint64 claimed = -1) {
  const QByteArray data(samples * 2, '\0');
  QByteArray fmt =
      QByteArray("fmt ") + le32(16) + le16(1) + le16(1) + le32(rate) + le32(rate * 2) + le16(2) + le16(16);
  const QByteArray body =
      "WAVE" + extraChunk + fmt + "data" + le32(claimed < 0 ? data.size() : quint32(claimed)) + data;
  return "RIFF" + le32(body.size()) + body;
}

void write(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  QVERIFY(f.open(QIODevice::WriteOnly));
  f.write(bytes);
}

}  // namespace

class ShellSoundTest : public QObject {
  Q_OBJECT

 private slots:
  void wavLengthComesFromTheHeaderAndWhatTheFileHolds() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.wav"));
    write(path, wav(22050, 22050));
    QCOMPARE(wavDurationMs(path), std::optional<int>(1000));
    // A chunk before "fmt " is skipped (odd sizes are padded).
    write(path, wav(8000, 4000, QByteArray("LIST") + le32(3) + QByteArray("abc\0", 4)));
    QCOMPARE(wavDurationMs(path), std::optional<int>(500));
    // A header that claims an hour plays what is there, not an hour.
    write(path, wav(8000, 800, {}, 8000u * 2 * 3600));
    QCOMPARE(wavDurationMs(path), std::optional<int>(100));
    write(path, "RIFF\x10\0\0\0WAVEfmt ");
    QCOMPARE(wavDurationMs(path), std::nullopt);
    write(path, "not a wav at all");
    QCOMPARE(wavDurationMs(path), std::nullopt);
    QCOMPARE(wavDurationMs(dir.filePath(QStringLiteral("missing.wav"))), std::nullopt);
  }

  void withoutTheSoundFolderEverySoundBeepsAndNothingWaits() {
    QTemporaryDir dir;
    CountingSoundPort port(dir.filePath(QStringLiteral("Sound")));
    port.audio = true;  // even with a device there is nothing to wait for
    port.preload();
    QElapsedTimer clock;
    clock.start();
    port.play(Sound::NewGame, SoundMode::Sync);
    for (const SoundInfo& sound : kSoundTable)
      if (sound.id != Sound::NewGame) port.play(sound.id, SoundMode::Async);
    QCOMPARE(port.alerts, kSoundCount);
    QVERIFY2(clock.elapsed() < 2000, "a missing sound must not block the game");
  }

  void everySoundOfTheTableIsFoundBesideTheProgramAndPlays() {
    CountingSoundPort port(QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("Sound")));
    for (const SoundInfo& sound : kSoundTable) port.play(sound.id, SoundMode::Async);
    QCOMPARE(port.alerts, 0);
  }

  void brokenFileBeepsAndGoodFilesPlayQuietlyWithoutADevice() {
    QTemporaryDir dir;
    write(dir.filePath(QStringLiteral("NewGame.wav")), wav(8000, 16000));  // 2 s
    write(dir.filePath(QStringLiteral("No.wav")), "RIFF????WAVEjunk");
    CountingSoundPort port(dir.path());
    QElapsedTimer clock;
    clock.start();
    port.play(Sound::NewGame, SoundMode::Sync);  // no audio output: returns at once
    QCOMPARE(port.alerts, 0);
    QVERIFY2(clock.elapsed() < 1500, "without an audio device nothing is waited for");
    port.play(Sound::Refused, SoundMode::Async);
    QCOMPARE(port.alerts, 1);
    port.play(Sound::NewGame, SoundMode::Async);  // cuts nothing off badly, and does not beep
    QCOMPARE(port.alerts, 1);
  }

  void playingToTheEndWaitsAboutTheLengthOfTheFile() {
    QTemporaryDir dir;
    write(dir.filePath(QStringLiteral("NewGame.wav")), wav(8000, 2400));  // 300 ms
    CountingSoundPort port(dir.path());
    port.audio = true;  // a device that may never report the end (or, Qt 6.11, refuses the format)
    QElapsedTimer clock;
    clock.start();
    port.play(Sound::NewGame, SoundMode::Sync);
    const qint64 waited = clock.elapsed();
    QVERIFY2(waited < 3000, "the wait is bounded by the length in the header");
    qInfo("waited %lld ms for a 300 ms sound", static_cast<long long>(waited));
  }

  void soundFolderIsLookedForBelowTheWorkingDirectoryFirst() {
    const QString saved = QDir::currentPath();
    QTemporaryDir dir;
    QVERIFY(QDir::setCurrent(dir.path()));
    const QStringList candidates = soundFolderCandidates();
    QCOMPARE(candidates.size(), 3);
    QCOMPARE(candidates[0], QDir(dir.path()).absoluteFilePath(QStringLiteral("Sound")));
    QCOMPARE(candidates[1],
             QDir(QCoreApplication::applicationDirPath()).absoluteFilePath(QStringLiteral("Sound")));
    QVERIFY(candidates[2].endsWith(QStringLiteral("/klebony/Sound")));

    // Neither the working directory nor the executable's: the data folder.
    QTemporaryDir data;
    const QStringList fake{dir.filePath(QStringLiteral("Sound")), dir.filePath(QStringLiteral("bin/Sound")),
                           data.path()};
    QCOMPARE(findSoundFolder(fake), data.path());
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("bin/Sound")));
    QCOMPARE(findSoundFolder(fake), fake[1]);
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("Sound")));
    QCOMPARE(findSoundFolder(fake), fake[0]);
    QCOMPARE(findSoundFolder(), candidates[0]);
    // None at all: the folder the game always used, so every sound beeps.
    QCOMPARE(findSoundFolder({dir.filePath(QStringLiteral("x")), dir.filePath(QStringLiteral("y"))}),
             dir.filePath(QStringLiteral("x")));
    QVERIFY(QDir::setCurrent(saved));
  }
};

KLEBONY_UI_TEST(ShellSoundTest)

}  // namespace klebony

#include "shell_sound_test.moc"
