// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Links handed to the desktop's default browser or mail program.
#include "ui/ports.h"

namespace klebony {

class QtDesktopPort : public DesktopPort {
 public:
  // A link the desktop cannot open is not reported, nor is a desktop
  // without xdg-open.
  void openUrl(const QString& url) override;
};

}  // namespace klebony
