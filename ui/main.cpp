// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Клебоны: the program.
#include <langinfo.h>
#include <QCoreApplication>
#include <QLoggingCategory>
#include <QString>
#include <QStringView>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "ui/shell/application.h"
#include "ui/shell/quit_signals.h"

namespace {

// Qt hands window titles to X11 in the C library's character set. Without a
// UTF-8 locale (a bare container, a CI machine with no LANG) the Cyrillic
// titles reach the window manager as Latin-1 and match nothing, so the game
// falls back to C.UTF-8, which every Debian system has. A working UTF-8
// locale from the environment is kept as it is.
void ensureUtf8Locale() {
  if (std::setlocale(LC_ALL, "") && std::strcmp(nl_langinfo(CODESET), "UTF-8") == 0) return;
  setenv("LC_ALL", "C.UTF-8", 1);
  std::setlocale(LC_ALL, "");
}

// The board and the start screen send small changed rectangles to the X
// server 25 to 33 times a second. Through shared memory each one costs a
// completion event and a wake-up more than a plain copy; measured at rest
// under X11, the plain way takes about a third less CPU. A player's own
// setting of the variable wins; Wayland never reads it.
void preferPlainImageTransfer() {
  if (!std::getenv("QT_XCB_NO_MITSHM")) setenv("QT_XCB_NO_MITSHM", "1", 1);
}

QtMessageHandler qtMessageHandler = nullptr;

// Qt's own sound reports that come without a category, where no logging rule
// can single them out: no sound server (Qt's PulseAudio layer) and no audio
// device for a sound effect (worded differently by Qt 6.4 and 6.11). The game
// plays on without sound then (the WAV lengths still pace it).
const char16_t* const kUncategorisedSoundReports[] = {u"PulseAudioService: ", u"QSoundEffect: ",
                                                      u"No audio device detected"};

void dropUncategorisedSoundReports(QtMsgType type, const QMessageLogContext& context,
                                   const QString& message) {
  const bool uncategorised = context.category && std::strcmp(context.category, "default") == 0;
  if (type == QtWarningMsg && uncategorised)
    for (const char16_t* report : kUncategorisedSoundReports)
      if (message.startsWith(QStringView(report))) return;
  qtMessageHandler(type, context, message);
}

// Qt Multimedia and the libraries below it talk at every start: Qt 6.8's
// FFmpeg back end names its version and lists the hardware video decoders it
// probed, and the probe wakes libvdpau, which prints by itself; Qt 6.11 tries
// PipeWire first, and libpipewire complains where PipeWire is not installed;
// with no sound device every sound effect says so. The game plays short WAV
// files only: no video decoder is probed, libpipewire logs nothing, and the
// multimedia categories stay quiet. Whatever the player sets wins: these
// variables when set, QT_LOGGING_RULES and QT_LOGGING_CONF over the rules
// (with QT_LOGGING_RULES set, the uncategorised reports stay too).
void quietMultimedia() {
  const struct {
    const char* name;
    const char* value;
  } defaults[] = {{"QT_FFMPEG_DECODING_HW_DEVICE_TYPES", ","},  // an empty list
                  {"QT_FFMPEG_ENCODING_HW_DEVICE_TYPES", ","},
                  {"PIPEWIRE_DEBUG", "0"}};
  for (const auto& variable : defaults)
    if (!std::getenv(variable.name)) setenv(variable.name, variable.value, 1);
  QLoggingCategory::setFilterRules(QStringLiteral("qt.multimedia*=false"));
  if (!std::getenv("QT_LOGGING_RULES"))
    qtMessageHandler = qInstallMessageHandler(dropUncategorisedSoundReports);
}

void watchTerminationSignals() { klebony::quitOnTerminationSignals(); }

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(watchTerminationSignals)

int main(int argc, char** argv) {
  ensureUtf8Locale();
  preferPlainImageTransfer();
  quietMultimedia();
  const int status = klebony::runKlebony(argc, argv);
  // The application is gone; Qt's exit-time destructors are skipped. Qt 6.4's
  // sound cache waits in one for its loading thread while holding the lock
  // that thread needs: a quit while the sounds still load would hang.
  std::fflush(nullptr);
  std::_Exit(status);
}
