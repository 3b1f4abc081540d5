// Клебоны: the program.
#include <langinfo.h>
#include <QCoreApplication>
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

void watchTerminationSignals() { klebony::quitOnTerminationSignals(); }

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(watchTerminationSignals)

int main(int argc, char** argv) {
  ensureUtf8Locale();
  preferPlainImageTransfer();
  const int status = klebony::runKlebony(argc, argv);
  // The application is gone; Qt's exit-time destructors are skipped. Qt 6.4's
  // sound cache waits in one for its loading thread while holding the lock
  // that thread needs: a quit while the sounds still load would hang.
  std::fflush(nullptr);
  std::_Exit(status);
}
