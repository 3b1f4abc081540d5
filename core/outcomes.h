#pragma once
// Everything the rules want the user to see or hear goes through this one
// interface, in the order in which it happens. The game window presents it,
// the headless driver prints it, tests record it.
#include <string>

namespace klebony {

enum class Sound { NewGame, ClickHod, ClickMut, Zahvat, No, Attak, Smeh_2, Smeh_1, Sabot };
enum class SoundMode { Async, Sync };
enum class StatusTimer { T1, T2 };

// "Sound/ClickHod.wav": the file below the working directory, '/' as separator.
const char* soundFile(Sound sound);

class Outcomes {
 public:
  virtual ~Outcomes() = default;
  virtual void playSound(Sound /*sound*/, SoundMode /*mode*/) {}
  // A modal message box; returns once the user has confirmed it.
  virtual void showMessage(const std::string& /*text*/) {}
  // A new text went into the upper status line H1 (H2 may have changed too).
  virtual void statusShown(const std::string& /*text*/) {}
  // A status timer was started anew (running) or stopped.
  virtual void statusTimer(StatusTimer /*timer*/, bool /*running*/) {}
  // A timer cleared its line.
  virtual void statusCleared(StatusTimer /*timer*/) {}
  // N2Click: the game is over or the player asked for the menu. The window
  // closes once the running handler has finished.
  virtual void endGame() {}
  // The panel's texts or fonts were recomputed (showPanel / refreshAffordability).
  virtual void panelChanged() {}
  // HOD, BMut or the help panel changed.
  virtual void controlsChanged() {}
};

}  // namespace klebony
