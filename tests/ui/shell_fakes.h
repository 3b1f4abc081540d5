// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Ports that record instead of playing or opening anything.
#include <QStringList>
#include <utility>
#include <vector>

#include "ui/ports.h"

namespace klebony::uitest {

class RecordingSoundPort : public SoundPort {
 public:
  void play(Sound sound, SoundMode mode) override { played.emplace_back(sound, mode); }
  std::vector<std::pair<Sound, SoundMode>> played;
};

class RecordingDesktopPort : public DesktopPort {
 public:
  void openUrl(const QString& url) override { opened << url; }
  QStringList opened;
};

}  // namespace klebony::uitest
