#pragma once
// The application around the windows: title, translation, error box, and
// the start-up that creates the four windows in their order.
#include <QApplication>
#include <QString>
#include <memory>

class QTranslator;

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

// Qt's own Russian texts for standard buttons and the file dialogs. Debian's
// qtbase_ru leaves "OK" in Latin letters, so a small translator on top gives
// the game's "ОК". Removed again when destroyed.
class RussianTranslation {
 public:
  RussianTranslation();
  ~RussianTranslation();
  RussianTranslation(const RussianTranslation&) = delete;
  RussianTranslation& operator=(const RussianTranslation&) = delete;
  // False when qtbase_ru is not installed; "ОК" is given all the same.
  bool qtbaseLoaded() const { return qtbaseLoaded_; }

 private:
  std::unique_ptr<QTranslator> qtbase_;
  std::unique_ptr<QTranslator> okButton_;
  bool qtbaseLoaded_ = false;
};

// The whole program: start-up, the event loop, the exit status.
int runKlebony(int argc, char** argv);

}  // namespace klebony
