// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Records outcomes as the lines the headless driver prints, for every test layer.
#include <string>
#include <vector>

#include "core/outcomes.h"

namespace klebony::test {

class Recorder : public Outcomes {
 public:
  std::vector<std::string> lines;
  void playSound(Sound s, SoundMode) override { lines.push_back(std::string("sound ") + soundFile(s)); }
  void showMessage(const std::string& t) override { lines.push_back("message " + t); }
  void statusShown(const std::string& t) override { lines.push_back("status " + t); }
  void endGame() override { lines.push_back("endgame"); }
  void clear() { lines.clear(); }
};

}  // namespace klebony::test
