// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// klebony-headless: runs the game's operations from a script, as the game
// window would call them, and prints every outcome as a line. It holds no
// rule of its own: its words map onto the operations in core/rules.h.
#include <cstdint>
#include <istream>
#include <ostream>
#include <stdexcept>
#include <string>
#include <string_view>

#include "core/game.h"

namespace klebony::headless {

// A malformed command or a bad argument; the script stops with exit status 2.
class ScriptError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Prints outcomes in the order they happen and notes the end of a game.
// A token as an error message may show it: bytes that are not printable
// characters (control characters, broken UTF-8) and the backslash as \xHH.
std::string printable(std::string_view token);

class Printer : public Outcomes {
 public:
  explicit Printer(std::ostream& out) : out_(out) {}
  void playSound(Sound sound, SoundMode mode) override;
  void showMessage(const std::string& text) override;
  void statusShown(const std::string& text) override;
  void endGame() override;

 private:
  std::ostream& out_;
};

class Driver {
 public:
  Driver(std::ostream& out, std::ostream& err);
  // Runs every line; returns the exit status (0, or 2 after an error).
  int run(std::istream& script);
  // The same for a script file, which must be a regular file it can read.
  int runFile(const std::string& path);
  // One command line; throws ScriptError or ScriptedDrawError.
  void execute(const std::string& line);
  Game& game() { return game_; }

 private:
  int fail(int64_t line, const char* what);
  std::ostream& out_;
  std::ostream& err_;
  Printer printer_;
  Game game_;
};

}  // namespace klebony::headless
